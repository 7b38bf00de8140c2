// SPDX-License-Identifier: MIT
#include "commandtable.h"

#include "commands.h"

namespace kolvane {

namespace {

constexpr OptionSpec CapacitorValue = {"capacitor", "the value is a capacitance, in pF"};
constexpr OptionSpec Chart = {"chart", "colour chart: kolvane (default) or iec (IEC 60062:2016)", "NAME"};

} // namespace

std::span<const Command> Commands()
{
    // Options are listed in the order the help shows them.
    static const std::vector<Command> table = {
        {"decode",
         "decode [--capacitor] [--chart kolvane|iec] COLOUR...",
         "the value of a colour code, read in band order",
         {{"capacitor", "the bands are a capacitor's, read in pF"}, Chart},
         &Decode},
        {"encode",
         "encode [--capacitor] [--chart kolvane|iec] [--digits 2|3] [--tolerance PCT] [--tcr PPM] VALUE",
         "the colour bands of a value",
         {CapacitorValue,
          Chart,
          {"digits", "significant digit bands, 2 (default) or 3", "N"},
          {"tolerance", "add the tolerance band, in %", "PCT"},
          {"tcr", "add the TFR band (resistors, 3 digits)", "PPM"}},
         &Encode},
        {"nearest",
         "nearest [--capacitor] [--series EN] VALUE",
         "the nearest standard value and its neighbours",
         {{"series", "only this series (E3 ... E192)", "EN"}, CapacitorValue},
         &Nearest},
        {"series",
         "series [--capacitor] VALUE[/TOL%] VALUE[/TOL%]...",
         "parts in series, with the spread",
         {CapacitorValue},
         &Series},
        {"parallel",
         "parallel [--capacitor] VALUE[/TOL%] VALUE[/TOL%]...",
         "parts in parallel, with the spread",
         {CapacitorValue},
         &Parallel},
        {"marking",
         "marking [--capacitor] CODE",
         "every reading of a letter code, SMD, EIA-96 or capacitor marking",
         {CapacitorValue},
         &Marking},
        {"lookup",
         "lookup [--capacitor] TEXT...",
         "every reading of a value, marking or colour names, as the window's Look up gives them",
         {CapacitorValue},
         &Lookup},
        {"combine",
         "combine [--series EN | --stock FILE] [--parts 1|2|3] [--exclude VALUE]... [--top N] TARGET",
         "one to three resistors that come nearest a target",
         {{"series", "parts from this series, 1 ohm to 10 Mohm (default E24)", "EN"},
          {"stock", "parts from this file, one value a line (- for stdin)", "FILE"},
          {"parts", "most parts, 1 to 3 (default 2)", "N"},
          {"exclude", "leave this value out (repeatable)", "VALUE"},
          {"top", "number of answers (default 5)", "N"}},
         &Combine},
    };
    return table;
}

const Command* FindCommand(const QString& name)
{
    for (const Command& c : Commands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

} // namespace kolvane
