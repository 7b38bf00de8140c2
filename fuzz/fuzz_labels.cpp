// SPDX-License-Identifier: MIT
// The labels' readers of outside input: a value list as typed or read from a file, and
// a laid-out sheet as the PDF helper receives it. The first byte chooses:
//
//   bit 0  capacitances instead of resistances
//   bit 1  the comma-separated form of --values instead of lines
//   bit 2  the rest is a serialised layout for the helper's reader
//   bits 4-7  the preset sheet the values are laid out on
//
// A list is read or refused with its line; a read list lays out with every label in
// its slot and gives well-formed SVG. A layout is read whole or refused.
#include "labellayout.h"
#include "labelsvg.h"
#include "layoutstream.h"
#include "valuelist.h"

#include <QString>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>

using namespace kolvane;

namespace {

[[noreturn]] void Fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz_labels: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

void CheckSvg(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        Fail("SVG is not well-formed", xml.errorString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    if (size < 1 || size > 4096)
        return 0;
    const unsigned mode = data[0];
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const Quantity q = (mode & 1) ? Quantity::Capacitance : Quantity::Resistance;
    if (mode & 4) {
        if (const std::optional<LabelLayout> layout = DeserialiseLayout(rest)) {
            if (SerialiseLayout(*layout) != rest)
                Fail("a layout read back differs", QString::number(rest.size()));
            for (int i = 0; i < static_cast<int>(layout->pages.size()); ++i)
                CheckSvg(LabelPageSvg(*layout, i, q));
        }
        return 0;
    }
    const QString text = QString::fromUtf8(rest);
    const ValueListResult r = (mode & 2) ? ReadValueItems(text, q) : ReadValueList(text, q);
    if (r.error.isEmpty() == (r.errorLine != 0) && r.values.size() < static_cast<std::size_t>(MostListedLabels))
        Fail("an error without its line, or a line without its error", r.error);
    if (!r.error.isEmpty() && (!r.values.empty() || r.error.contains(QLatin1Char('\n'))))
        Fail("a refused list gave values or a second line", r.error);
    if (r.values.empty())
        return 0;
    LabelOptions o;
    o.quantity = q;
    const auto presets = PresetSheets();
    o.sheet = presets[(mode >> 4) % presets.size()];
    o.fold = (mode >> 3) & 1;
    const LabelLayout layout = LayOutLabels(r.values, o);
    for (const LabelPage& page : layout.pages)
        for (const Label& label : page.labels)
            for (const LabelText& t : label.texts)
                if (!label.cell.contains(t.box))
                    Fail("a text leaves its label", t.text);
    CheckSvg(LabelPageSvg(layout, 0, q));
    return 0;
}
