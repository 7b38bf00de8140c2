// SPDX-License-Identifier: MIT
#include "commandtable.h"

#include "commands.h"

namespace kolvane {

namespace {

constexpr OptionSpec CapacitorValue = {"capacitor", "the value is a capacitance, in pF"};
constexpr OptionSpec Chart = {"chart", "colour chart: kolvane (default) or iec (IEC 60062:2016)", "NAME",
                              "kolvane|iec"};

} // namespace

std::span<const Command> Commands()
{
    // Options are listed in the order the help shows them.
    static const std::vector<Command> table = {
        {"decode",
         "COLOUR...",
         "the value of a colour code, read in band order",
         {{"capacitor", "the bands are a capacitor's, read in pF"}, Chart},
         &commands::Decode},
        {"encode",
         "VALUE",
         "the colour bands of a value",
         {CapacitorValue,
          Chart,
          {"digits", "significant digit bands, 2 (default) or 3", "N", "2|3"},
          {"tolerance", "add the tolerance band, in %", "PCT"},
          {"tcr", "add the TFR band (resistors, 3 digits)", "PPM"}},
         &commands::Encode},
        {"nearest",
         "VALUE",
         "the nearest standard value and its neighbours",
         {CapacitorValue, {"series", "only this series (E3 ... E192)", "EN"}},
         &commands::Nearest},
        {"series",
         "VALUE[/TOL%] VALUE[/TOL%]...",
         "parts in series, with the spread",
         {CapacitorValue},
         &commands::Series},
        {"parallel",
         "VALUE[/TOL%] VALUE[/TOL%]...",
         "parts in parallel, with the spread",
         {CapacitorValue},
         &commands::Parallel},
        {"marking",
         "CODE",
         "every reading of a letter code, SMD, EIA-96 or capacitor marking",
         {CapacitorValue},
         &commands::Marking},
        {"lookup",
         "TEXT...",
         "every reading of a value, marking or colour names, as the window's Look up gives them",
         {CapacitorValue},
         &commands::Lookup},
        {"combine",
         "TARGET",
         "one to three resistors that come nearest a target",
         {{"series", "parts from this series, 1 ohm to 10 Mohm (default E24)", "EN", "", OptionUse::OrNext},
          {"stock", "parts from this file, one value a line (- for stdin)", "FILE"},
          {"parts", "most parts, 1 to 3 (default 2)", "N", "1|2|3"},
          {"exclude", "leave this value out (repeatable)", "VALUE", "", OptionUse::Repeatable},
          {"top", "number of answers (default 5)", "N"}},
         &commands::Combine},
    };
    return table;
}

QString UsageLine(const Command& c)
{
    QString line = QString::fromLatin1(c.name);
    bool open = false; // inside "[--a X | --b Y]"
    for (const OptionSpec& o : c.options) {
        line += open ? QStringLiteral(" | ") : QStringLiteral(" [");
        line += QStringLiteral("--") + QString::fromLatin1(o.name);
        const QString value = QString::fromLatin1(*o.choices ? o.choices : o.valueName);
        if (!value.isEmpty())
            line += QLatin1Char(' ') + value;
        open = o.use == OptionUse::OrNext;
        if (!open)
            line += o.use == OptionUse::Repeatable ? QStringLiteral("]...") : QStringLiteral("]");
    }
    return line + QLatin1Char(' ') + QString::fromLatin1(c.arguments);
}

const Command* FindCommand(const QString& name)
{
    for (const Command& c : Commands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

} // namespace kolvane
