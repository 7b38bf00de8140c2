// SPDX-License-Identifier: MIT
#include "labellayout.h"

#include "labelcodes.h"
#include "valuetext.h"

#include <algorithm>
#include <cmath>

namespace kolvane {

namespace {

// Advance widths in em, rounded up from the widest of the common sans faces (bold
// included), so a text sized by them fits its box in any of those fonts. The painter
// measures the real font and shrinks a text that would still be wider.
double CharWidth(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u' ')
        return 0.34;
    if (u == u'.' || u == u',' || u == u':' || u == u'\'')
        return 0.40;
    if (u >= u'0' && u <= u'9')
        return 0.72;
    if (u == u'M' || u == u'W' || u == u'm' || u == u'w' || u == u'%')
        return 1.02;
    if (u == u'\u03A9')
        return 0.88;
    if (u >= u'A' && u <= u'Z')
        return 0.82;
    if (u == u'i' || u == u'j' || u == u'l' || u == u'f' || u == u't' || u == u'r')
        return 0.46;
    return 0.72;
}

double EmWidth(const QString& text)
{
    double width = 0.0;
    for (const QChar c : text)
        width += CharWidth(c);
    return width;
}

// The glyphs of a line reach about 1.17 em from the top of the ascent to the bottom of
// the descent; a little more keeps a text clear of its neighbours.
constexpr double LineHeight = 1.25;
// A code is dropped whole rather than printed too small to read.
constexpr double SmallestText = 1.2;
constexpr double LargestText = 9.0;

double FittedSize(const QString& text, const QRectF& box)
{
    const double byWidth = box.width() / std::max(EmWidth(text), 0.5);
    const double byHeight = box.height() / LineHeight;
    return std::min({byWidth, byHeight, LargestText});
}

// One row of a label's face: its share of the height and what it holds side by side.
struct Cell {
    enum class Kind { Text, Code } kind = Kind::Text;
    TextRole role = TextRole::Value;
    QString text;
    const BandCode* code = nullptr;
    double weight = 1.0;
    bool bold = false;
};
struct Row {
    double weight = 1.0;
    std::vector<Cell> cells;
};

QString MultiplierMark(BandColour colour)
{
    for (int e = -2; e <= 9; ++e)
        if (MultiplierColour(e) == colour)
            return CompactValue(std::pow(10.0, e));
    return {};
}

QString ToleranceMark(BandColour colour)
{
    const std::optional<int> index = ToleranceIndexOfColour(colour);
    if (!index)
        return {};
    QString text = QString::fromLatin1(ToleranceItems[static_cast<std::size_t>(*index)].data(),
                                       static_cast<qsizetype>(ToleranceItems[static_cast<std::size_t>(*index)].size()));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

QString NameOf(BandColour colour)
{
    const std::string_view name = ColourName(colour);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A code drawn in `box`: the body above, a mark under each band. Bands sit on odd
// units of the body's width, with a wider gap before the tolerance band so the
// reading end is plain: 4 bands at units 1, 3, 5 and 8 of 10.
std::optional<BandGroup> LayOutCode(const BandCode& code, const QRectF& box)
{
    std::vector<BandColour> colours(code.digits);
    colours.push_back(code.multiplier);
    const bool hasTolerance = code.tolerance != NoColour;
    if (hasTolerance)
        colours.push_back(code.tolerance);
    const int n = static_cast<int>(colours.size());
    const double units = hasTolerance ? 2 * n + 2 : 2 * n + 1;

    BandGroup group;
    group.count = n;
    const double bodyHeight = box.height() * 0.56;
    const double bodyWidth = std::min(box.width(), bodyHeight * 5.0);
    group.body = QRectF(box.center().x() - bodyWidth / 2, box.top(), bodyWidth, bodyHeight);
    const double unit = bodyWidth / units;
    const QRectF markRow(group.body.left(), box.top() + box.height() * 0.60, bodyWidth, box.height() * 0.40);

    double markSize = LargestText;
    for (int i = 0; i < n; ++i) {
        const bool last = hasTolerance && i == n - 1;
        const bool multiplier = i == static_cast<int>(code.digits.size());
        const double position = last ? 2 * n : 2 * i + 1;
        Band band;
        band.colour = colours[static_cast<std::size_t>(i)];
        band.colourName = NameOf(band.colour);
        band.rect = QRectF(group.body.left() + position * unit, group.body.top(), unit, bodyHeight);
        group.bands.push_back(band);

        // Digit marks get two units each; the multiplier and the tolerance share the
        // rest, so no two marks overlap.
        double from = 2 * i;
        double to = 2 * i + 2;
        if (multiplier)
            to = hasTolerance ? 2 * n - 1 : units;
        if (last) {
            from = 2 * n - 1;
            to = units;
        }
        LabelText mark;
        mark.role = TextRole::BandMark;
        if (multiplier)
            mark.text = MultiplierMark(band.colour);
        else if (last)
            mark.text = ToleranceMark(band.colour);
        else
            mark.text = QString::number(DigitOfColour(band.colour, i == 0).value_or(0));
        mark.box = QRectF(markRow.left() + from * unit, markRow.top(), (to - from) * unit, markRow.height());
        markSize = std::min(markSize, FittedSize(mark.text, mark.box));
        group.marks.push_back(mark);
    }
    if (markSize < SmallestText * 0.8)
        return std::nullopt;
    for (LabelText& mark : group.marks)
        mark.size = markSize;
    return group;
}

// The rows of a label's face, fullest first; the small face keeps the value, the
// 4-band code and the 3-digit code, side by side where the face is long and low (a
// folded half), so the code is not drawn too small to read.
std::vector<Row> FaceRows(const LabelCodes& codes, const LabelOptions& o, bool small, bool wide)
{
    std::vector<Row> rows;
    const bool resistor = o.quantity == Quantity::Resistance;
    Row top{1.0, {}};
    top.cells.push_back({Cell::Kind::Text, TextRole::Value, codes.value, nullptr, 1.7, true});
    if (small) {
        const std::optional<QString>& three = resistor ? codes.smd3 : codes.cap3;
        const std::optional<BandCode>& code = resistor ? codes.fourBands : codes.capBands;
        if (wide && o.bands && code)
            top.cells.push_back({Cell::Kind::Code, TextRole::Value, {}, &*code, 1.4});
        if (o.smd && three)
            top.cells.push_back(
                {Cell::Kind::Text, resistor ? TextRole::Smd3 : TextRole::Cap3, *three, nullptr, wide ? 0.8 : 1.0});
        rows.push_back(top);
        if (!wide && o.bands && code)
            rows.push_back({0.9, {{Cell::Kind::Code, TextRole::Value, {}, &*code, 1.0}}});
        return rows;
    }
    if (resistor && o.letter && codes.letter)
        top.cells.push_back({Cell::Kind::Text, TextRole::Letter, *codes.letter, nullptr, 1.0});
    if (!resistor && !codes.alternate.isEmpty())
        top.cells.push_back({Cell::Kind::Text, TextRole::Alternate, codes.alternate, nullptr, 1.2});
    rows.push_back(top);

    Row codesRow{1.2, {}};
    if (o.bands) {
        for (const std::optional<BandCode>* code : {&codes.fourBands, &codes.fiveBands, &codes.capBands})
            if (*code)
                codesRow.cells.push_back({Cell::Kind::Code, TextRole::Value, {}, &**code, 1.0});
    }
    Row marksRow{0.75, {}};
    if (o.smd) {
        const std::pair<TextRole, const std::optional<QString>*> marks[] = {{TextRole::Smd3, &codes.smd3},
                                                                            {TextRole::Smd4, &codes.smd4},
                                                                            {TextRole::Eia96, &codes.eia96},
                                                                            {TextRole::Cap3, &codes.cap3}};
        for (const auto& [role, text] : marks)
            if (*text)
                (resistor ? marksRow : codesRow).cells.push_back({Cell::Kind::Text, role, **text, nullptr, 0.8});
    }
    if (!resistor && o.letter && codes.letter)
        codesRow.cells.push_back({Cell::Kind::Text, TextRole::Letter, *codes.letter, nullptr, 0.8});
    if (!codesRow.cells.empty())
        rows.push_back(codesRow);
    if (!marksRow.cells.empty())
        rows.push_back(marksRow);
    return rows;
}

// Lays the rows into `face`, dropping whole what would be too small to read.
void LayOutFace(const std::vector<Row>& rows, const QRectF& face, Label& label)
{
    double total = 0.0;
    for (const Row& r : rows)
        total += r.weight;
    const double gap = std::min(1.0, face.height() * 0.05);
    const double usable = face.height() - gap * static_cast<double>(rows.size() - 1);
    double y = face.top();
    for (const Row& r : rows) {
        const double height = usable * r.weight / total;
        double weights = 0.0;
        for (const Cell& c : r.cells)
            weights += c.weight;
        const double hgap = std::min(1.5, face.width() * 0.04);
        const double width = face.width() - hgap * static_cast<double>(r.cells.size() - 1);
        double x = face.left();
        for (const Cell& c : r.cells) {
            const QRectF box(x, y, width * c.weight / weights, height);
            x += box.width() + hgap;
            if (c.kind == Cell::Kind::Code) {
                if (std::optional<BandGroup> group = LayOutCode(*c.code, box))
                    label.codes.push_back(std::move(*group));
                continue;
            }
            LabelText text{c.role, c.text, box, FittedSize(c.text, box), c.bold, false};
            if (text.size >= SmallestText || c.role == TextRole::Value)
                label.texts.push_back(text);
        }
        y += height + gap;
    }
}

QRectF Turned(const QRectF& r, const QRectF& cell)
{
    return {cell.left() + cell.right() - r.right(), cell.top() + cell.bottom() - r.bottom(), r.width(), r.height()};
}

void AddTurnedCopy(Label& label)
{
    const std::size_t texts = label.texts.size();
    for (std::size_t i = 0; i < texts; ++i) {
        LabelText t = label.texts[i];
        t.box = Turned(t.box, label.cell);
        t.turned = true;
        label.texts.push_back(t);
    }
    const std::size_t codes = label.codes.size();
    for (std::size_t i = 0; i < codes; ++i) {
        BandGroup g = label.codes[i];
        g.body = Turned(g.body, label.cell);
        g.turned = true;
        for (Band& b : g.bands)
            b.rect = Turned(b.rect, label.cell);
        for (LabelText& m : g.marks) {
            m.box = Turned(m.box, label.cell);
            m.turned = true;
        }
        label.codes.push_back(std::move(g));
    }
}

void FillLabel(Label& label, double value, const LabelOptions& o)
{
    const LabelCodes codes = CodesOf(value, o.quantity, o.decimalPoint);
    const double padding = std::clamp(std::min(label.cell.width(), label.cell.height()) * 0.06, 0.4, 1.6);
    QRectF face = label.cell.adjusted(padding, padding, -padding, -padding);
    if (o.fold)
        face.setHeight(label.cell.height() / 2 - 1.5 * padding);
    const bool small = face.height() + 2 * padding < SmallLabelHeight;
    LayOutFace(FaceRows(codes, o, small, face.width() >= 3.5 * face.height()), face, label);
    if (o.fold)
        AddTurnedCopy(label);
}

} // namespace

QString TextRoleName(TextRole role)
{
    switch (role) {
    case TextRole::Value: return QStringLiteral("value");
    case TextRole::Alternate: return QStringLiteral("alternate");
    case TextRole::Letter: return QStringLiteral("letter");
    case TextRole::Smd3: return QStringLiteral("smd3");
    case TextRole::Smd4: return QStringLiteral("smd4");
    case TextRole::Eia96: return QStringLiteral("eia96");
    case TextRole::Cap3: return QStringLiteral("cap3");
    case TextRole::BandMark: return QStringLiteral("band-mark");
    case TextRole::Ruler: return QStringLiteral("ruler");
    }
    return {};
}

QString OptionsProblem(const LabelOptions& o)
{
    const QString sheet = SheetProblem(o.sheet);
    if (!sheet.isEmpty())
        return QStringLiteral("sheet %1: %2").arg(o.sheet.id, sheet);
    if (o.start < 1 || o.start > o.sheet.slotCount())
        return QStringLiteral("start %1 is beyond the %2 labels of %3 (1 to %2)")
            .arg(o.start)
            .arg(o.sheet.slotCount())
            .arg(o.sheet.id);
    if (o.copies < 1 || o.copies > MostCopies)
        return QStringLiteral("copies %1 is outside 1 to %2").arg(o.copies).arg(MostCopies);
    if (!(std::abs(o.offsetX) <= LargestOffset) || !(std::abs(o.offsetY) <= LargestOffset))
        return QStringLiteral("offsets must lie within -%1 to %1 mm").arg(LargestOffset);
    return {};
}

LabelLayout LayOutLabels(const LabelValues& values, const LabelOptions& o)
{
    LabelLayout layout;
    layout.page = o.sheet.page;
    layout.pageName = o.sheet.pageName;
    const int perPage = o.sheet.slotCount();
    int next = o.start - 1; // slot index counted across pages
    for (const std::optional<double>& value : values) {
        // Copies are of values: a blank label in the list stays one gap.
        const int copies = value ? o.copies : 1;
        for (int c = 0; c < copies; ++c, ++next) {
            const int pageIndex = next / perPage;
            const int slot = next % perPage;
            if (static_cast<std::size_t>(pageIndex) >= layout.pages.size())
                layout.pages.emplace_back();
            Label label;
            label.slot = slot + 1;
            label.cell = o.sheet.slotRect(slot).translated(o.offsetX, o.offsetY);
            label.outline = o.outlines;
            if (value) {
                label.value = SiValue(*value, o.quantity);
                FillLabel(label, *value, o);
                ++layout.labelCount;
            }
            layout.pages[static_cast<std::size_t>(pageIndex)].labels.push_back(std::move(label));
        }
    }
    return layout;
}

LabelLayout CalibrationLayout(const Sheet& sheet, double offsetX, double offsetY)
{
    LabelLayout layout;
    layout.page = sheet.page;
    layout.pageName = sheet.pageName;
    LabelPage page;
    for (int i = 0; i < sheet.slotCount(); ++i)
        page.outlines.push_back(sheet.slotRect(i).translated(offsetX, offsetY));
    // Rulers from the paper's corner, moved by the offsets as everything else is: on a
    // test print, where the 0 mark lands says how far the printer moves the sheet.
    const auto ruler = [&](bool across) {
        const double length = across ? sheet.page.width() : sheet.page.height();
        for (int mm = 0; mm <= static_cast<int>(length); ++mm) {
            const double tick = mm % 10 == 0 ? 4.0 : mm % 5 == 0 ? 2.5 : 1.5;
            const double at = mm;
            const QLineF line = across ? QLineF(at, 0, at, tick) : QLineF(0, at, tick, at);
            page.lines.push_back(line.translated(offsetX, offsetY));
            if (mm % 10 == 0 && mm > 0) {
                LabelText figure;
                figure.role = TextRole::Ruler;
                figure.text = QString::number(mm);
                figure.size = 2.2;
                figure.box = across ? QRectF(at - 4, 4.2, 8, 3) : QRectF(4.2, at - 1.5, 8, 3);
                // A figure the paper's edge would cut is left out whole.
                if (!QRectF(QPointF(0, 0), sheet.page).contains(figure.box))
                    continue;
                figure.box.translate(offsetX, offsetY);
                page.texts.push_back(figure);
            }
        }
    };
    ruler(true);
    ruler(false);
    layout.pages.push_back(std::move(page));
    return layout;
}

std::vector<BandGroup> CodePicture(double value, Quantity q, const QSizeF& area)
{
    const LabelCodes codes = CodesOf(value, q, QLatin1Char('.'));
    std::vector<const BandCode*> present;
    for (const std::optional<BandCode>* code : {&codes.fourBands, &codes.fiveBands, &codes.capBands})
        if (*code)
            present.push_back(&**code);
    std::vector<BandGroup> groups;
    const double height = present.empty() ? 0.0 : area.height() / static_cast<double>(present.size());
    for (std::size_t i = 0; i < present.size(); ++i) {
        const QRectF box(0, height * static_cast<double>(i), area.width(), height * 0.9);
        if (std::optional<BandGroup> group = LayOutCode(*present[i], box))
            groups.push_back(std::move(*group));
    }
    return groups;
}

QString LayoutSummary(const LabelLayout& layout)
{
    const int pages = static_cast<int>(layout.pages.size());
    return QStringLiteral("%1 %2 on %3 %4")
        .arg(layout.labelCount)
        .arg(layout.labelCount == 1 ? QStringLiteral("label") : QStringLiteral("labels"))
        .arg(pages)
        .arg(pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"));
}

} // namespace kolvane
