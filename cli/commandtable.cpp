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
        {"labels",
         "",
         "a sheet of labels for parts drawers and bags, as PDF or SVG",
         {{"capacitor", "the values are capacitances, in pF"},
          {"series", "labels for this series (E3 ... E192) from --from to --to", "EN", "", OptionUse::OrNext},
          {"values", "labels for these values, separated by commas; - is a blank label", "LIST", "", OptionUse::OrNext},
          {"values-file", "labels for the values in FILE, one a line, # comments (- for stdin)", "FILE"},
          {"from", "the range's lowest value", "VALUE"},
          {"to", "the range's highest value", "VALUE"},
          {"sheet", "the label sheet (default avery-5160; see --list-sheets), or custom", "ID"},
          {"start", "the first label used on the first sheet, from 1 (default 1)", "N"},
          {"copies", "labels for each value, 1 to 99 (default 1)", "N"},
          {"no-bands", "leave the colour codes out"},
          {"no-smd", "leave the SMD and capacitor codes out"},
          {"no-letter", "leave the letter code out"},
          {"outline", "draw a cut line round each label"},
          {"fold", "repeat the upper half turned over, to fold over a bag's edge"},
          {"offset-x", "move everything right by MM, -5 to 5", "MM"},
          {"offset-y", "move everything down by MM, -5 to 5", "MM"},
          {"format", "pdf or svg (default from the file name, else pdf)", "FORMAT", "pdf|svg"},
          {"o", "write to FILE; - for standard output (SVG: one file a page)", "FILE"},
          {"list-sheets", "list the sheets, one a line"},
          {"page", "custom sheet: a4, letter or WxH in mm", "SIZE"},
          {"grid", "custom sheet: COLUMNSxROWS", "CxR"},
          {"label", "custom sheet: label WxH in mm", "WxH"},
          {"margins", "custom sheet: LEFT,TOP from the paper's corner to the first label, in mm", "L,T"},
          {"pitch", "custom sheet: ACROSS,DOWN from one label's corner to the next, in mm", "A,D"}},
         &commands::Labels},
    };
    return table;
}

QString UsageLine(const Command& c)
{
    QString line = QString::fromLatin1(c.name);
    bool open = false; // inside "[--a X | --b Y]"
    for (const OptionSpec& o : c.options) {
        line += open ? QStringLiteral(" | ") : QStringLiteral(" [");
        // A one-letter option is written with one dash, as the parser reads it: "-o FILE".
        line += (o.name[1] ? QStringLiteral("--") : QStringLiteral("-")) + QString::fromLatin1(o.name);
        const QString value = QString::fromLatin1(*o.choices ? o.choices : o.valueName);
        if (!value.isEmpty())
            line += QLatin1Char(' ') + value;
        open = o.use == OptionUse::OrNext;
        if (!open)
            line += o.use == OptionUse::Repeatable ? QStringLiteral("]...") : QStringLiteral("]");
    }
    return *c.arguments ? line + QLatin1Char(' ') + QString::fromLatin1(c.arguments) : line;
}

const Command* FindCommand(const QString& name)
{
    for (const Command& c : Commands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

} // namespace kolvane
