// SPDX-License-Identifier: MIT
#include "labelsvg.h"

#include <QFileInfo>
#include <QXmlStreamWriter>

namespace kolvane {

namespace {

QString Mm(double v)
{
    // Thousandths of a millimetre, trailing zeros dropped: small files, exact enough.
    QString text = QString::number(v, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString Hex(BandColour colour)
{
    return QStringLiteral("#%1").arg(ToArgb(colour) & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

void WriteRect(QXmlStreamWriter& w, const QRectF& r)
{
    w.writeAttribute(QStringLiteral("x"), Mm(r.x()));
    w.writeAttribute(QStringLiteral("y"), Mm(r.y()));
    w.writeAttribute(QStringLiteral("width"), Mm(r.width()));
    w.writeAttribute(QStringLiteral("height"), Mm(r.height()));
}

// A text centred in its box on the middle of its em, as the painter centres it.
void WriteText(QXmlStreamWriter& w, const LabelText& t)
{
    w.writeStartElement(QStringLiteral("text"));
    w.writeAttribute(QStringLiteral("class"), TextRoleName(t.role));
    const QPointF c = t.box.center();
    w.writeAttribute(QStringLiteral("x"), Mm(c.x()));
    w.writeAttribute(QStringLiteral("y"), Mm(c.y() + t.size * 0.36));
    w.writeAttribute(QStringLiteral("font-size"), Mm(t.size));
    if (t.bold)
        w.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
    if (t.turned)
        w.writeAttribute(QStringLiteral("transform"), QStringLiteral("rotate(180 %1 %2)").arg(Mm(c.x()), Mm(c.y())));
    w.writeCharacters(t.text);
    w.writeEndElement();
}

void WriteCode(QXmlStreamWriter& w, const BandGroup& g)
{
    w.writeStartElement(QStringLiteral("g"));
    w.writeAttribute(QStringLiteral("class"), QStringLiteral("bands"));
    w.writeAttribute(QStringLiteral("data-count"), QString::number(g.count));
    w.writeStartElement(QStringLiteral("rect"));
    w.writeAttribute(QStringLiteral("class"), QStringLiteral("body"));
    WriteRect(w, g.body);
    const double radius = g.body.height() * 0.3;
    w.writeAttribute(QStringLiteral("rx"), Mm(radius));
    w.writeAttribute(QStringLiteral("fill"), QStringLiteral("#e8d7b0"));
    w.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000000"));
    w.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.15"));
    w.writeEndElement();
    for (const Band& b : g.bands) {
        w.writeStartElement(QStringLiteral("rect"));
        w.writeAttribute(QStringLiteral("class"), QStringLiteral("band"));
        w.writeAttribute(QStringLiteral("data-colour"), b.colourName);
        WriteRect(w, b.rect);
        w.writeAttribute(QStringLiteral("fill"), Hex(b.colour));
        w.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000000"));
        w.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.08"));
        w.writeEndElement();
    }
    for (const LabelText& m : g.marks)
        WriteText(w, m);
    w.writeEndElement();
}

void WriteOutline(QXmlStreamWriter& w, const QRectF& r)
{
    w.writeStartElement(QStringLiteral("rect"));
    w.writeAttribute(QStringLiteral("class"), QStringLiteral("outline"));
    WriteRect(w, r);
    w.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    w.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#808080"));
    w.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.1"));
    w.writeEndElement();
}

} // namespace

QByteArray LabelPageSvg(const LabelLayout& layout, int index, Quantity q)
{
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("svg"));
    w.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    w.writeAttribute(QStringLiteral("width"), Mm(layout.page.width()) + QStringLiteral("mm"));
    w.writeAttribute(QStringLiteral("height"), Mm(layout.page.height()) + QStringLiteral("mm"));
    w.writeAttribute(QStringLiteral("viewBox"),
                     QStringLiteral("0 0 %1 %2").arg(Mm(layout.page.width()), Mm(layout.page.height())));
    w.writeAttribute(QStringLiteral("font-family"), QStringLiteral("DejaVu Sans, sans-serif"));
    w.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
    w.writeTextElement(QStringLiteral("title"),
                       QStringLiteral("Kolvane labels, page %1 of %2").arg(index + 1).arg(layout.pages.size()));
    const LabelPage& page = layout.pages.at(static_cast<std::size_t>(index));
    const QString unit = q == Quantity::Resistance ? QStringLiteral("\u03A9") : QStringLiteral("F");
    for (const Label& label : page.labels) {
        w.writeStartElement(QStringLiteral("g"));
        w.writeAttribute(QStringLiteral("class"), QStringLiteral("label"));
        w.writeAttribute(QStringLiteral("data-slot"), QString::number(label.slot));
        if (label.value) {
            w.writeAttribute(QStringLiteral("data-value"), QString::number(*label.value, 'g', 15));
            w.writeAttribute(QStringLiteral("data-unit"), unit);
        }
        if (label.outline)
            WriteOutline(w, label.cell);
        for (const BandGroup& g : label.codes)
            WriteCode(w, g);
        for (const LabelText& t : label.texts)
            WriteText(w, t);
        w.writeEndElement();
    }
    for (const QRectF& r : page.outlines)
        WriteOutline(w, r);
    for (const QLineF& l : page.lines) {
        w.writeStartElement(QStringLiteral("line"));
        w.writeAttribute(QStringLiteral("class"), QStringLiteral("tick"));
        w.writeAttribute(QStringLiteral("x1"), Mm(l.x1()));
        w.writeAttribute(QStringLiteral("y1"), Mm(l.y1()));
        w.writeAttribute(QStringLiteral("x2"), Mm(l.x2()));
        w.writeAttribute(QStringLiteral("y2"), Mm(l.y2()));
        w.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000000"));
        w.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("0.1"));
        w.writeEndElement();
    }
    for (const LabelText& t : page.texts)
        WriteText(w, t);
    w.writeEndElement();
    w.writeEndDocument();
    return bytes;
}

QStringList SvgPageFileNames(const QString& path, int pageCount)
{
    if (pageCount == 1)
        return {path};
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    const QString folder = path.left(path.size() - name.size());
    QStringList names;
    for (int i = 1; i <= pageCount; ++i)
        names << folder + stem + QLatin1Char('-') + QString::number(i) + suffix;
    return names;
}

} // namespace kolvane
