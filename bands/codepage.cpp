// SPDX-License-Identifier: MIT
#include "codepage.h"

#include "feedback.h"
#include "fonts.h"
#include "keyfilters.h"
#include "numbers.h"
#include "bandshape.h"
#include "resulthint.h"
#include "resultmenu.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kolvane {

ColourCodePage::ColourCodePage(const CodePageControls& controls, const CodeUnits& units, Quantity quantity,
                               std::span<std::int8_t> digitCells, long double& multiplier, QWidget* owner,
                               QObject* parent)
    : QObject(parent), m_c(controls), m_units(units), m_quantity(quantity), m_cells(digitCells),
      m_multiplier(multiplier), m_owner(owner)
{
    ApplyLook();
    TypedKeyFilter::Install(m_c.valueField, TypedKeyFilter::Digits);
    TypedKeyFilter::Install(m_c.toleranceList, TypedKeyFilter::Nothing);

    auto* list = m_c.toleranceList;
    for (const auto item : ToleranceItems)
        list->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    list->setMaxVisibleItems(ToleranceItemCount);

    // A band is described again whenever it is painted.
    for (TShape* band :
         {m_c.valueBands[0], m_c.valueBands[1], m_c.valueBands[2], m_c.valueBands[3], m_c.toleranceBand}) {
        connect(band, &TShape::painted, this, [this, band] { DescribeBand(band); });
        DescribeBand(band);
    }

    // The label's text is the shown value; the letters come from the exact reading of
    // the bands where there is one, not from the 32-bit value.
    m_menu = new ResultMenu(m_c.valueLabel,
                            {[this] { return m_c.valueLabel->text(); },
                             [this] {
                                 const auto reading = ReadBands(ShownCode(), m_quantity);
                                 const double value = reading ? reading->value : m_shownValue.value_or(0.0f);
                                 return LetterCode(value, m_quantity).value_or(QString());
                             },
                             [this] { return ColourNames(ShownCode()); }},
                            this);
    // The tolerance band changes the hint, never the value.
    connect(m_c.toleranceBand, &TShape::painted, this, &ColourCodePage::UpdateHint);
}

void ColourCodePage::ApplyLook()
{
    const QColor navy(0, 0, 128);
    const QString sans = QStringLiteral("MS Sans Serif");
    const QString verdana = QStringLiteral("Verdana");
    for (QWidget* box : m_c.groupBoxes)
        ApplyPixelFont(box, sans, 13, false, navy);
    for (QWidget* radio : m_c.bandCountButtons)
        ApplyPixelFont(radio, verdana, 13, true, Qt::black);
    ApplyPixelFont(m_c.toleranceList, verdana, 13, false, Qt::black);
    ApplyPixelFont(m_c.valueLabel, verdana, 11, true, Qt::black);
    ApplyPixelFont(m_c.valueField, verdana, 13, false, m_c.valueFieldColour);
    for (QWidget* unit : m_c.unitButtons)
        ApplyPixelFont(unit, verdana, 11, true, Qt::black);

    // The body has the window's face colour inside a cream outline; the leads are cream.
    const BandColour cream = 0xF0FBFF;
    m_c.body->setBrushColour(FromArgb(m_c.body->palette().color(QPalette::Button).rgb()));
    m_c.body->setPen(cream, 3);
    for (TShape* lead : m_c.leads) {
        lead->setBrushColour(cream);
        lead->setPen(cream, 1);
    }
}

int ColourCodePage::digitCount() const
{
    return m_c.fourBands->isChecked() ? 2 : 3;
}

void ColourCodePage::Recompute()
{
    const int digits = digitCount();
    std::array<BandColour, 4> bands{};
    for (int i = 0; i <= digits; ++i)
        bands[static_cast<std::size_t>(i)] = m_c.valueBands[static_cast<std::size_t>(i)]->brushColour();
    m_shownValue = ReadCode(std::span(bands.data(), static_cast<std::size_t>(digits + 1)), m_cells, m_multiplier);
    m_c.valueLabel->setText(m_shownValue ? ValueText(*m_shownValue, m_units, QLocale()) : CheckColourText);
    UpdateHint();
}

BandCode ColourCodePage::ShownCode() const
{
    const auto digits = static_cast<std::size_t>(digitCount());
    BandCode code;
    for (std::size_t i = 0; i < digits; ++i)
        code.digits.push_back(m_c.valueBands[i]->brushColour());
    code.multiplier = m_c.valueBands[digits]->brushColour();
    code.tolerance = m_c.toleranceBand->brushColour();
    code.tfr = tfrColour();
    return code;
}

void ColourCodePage::UpdateHint()
{
    // Every pick recomputes both pages, and different typed numbers often paint the
    // same bands: the hint is only written again when what it reads has changed.
    const bool shown = m_shownValue.has_value();
    HintSource source{shown ? std::optional(ShownCode()) : std::nullopt, QLocale().decimalPoint()};
    if (source == m_hintSource)
        return;
    const QString hint = shown ? ResultHint(*source.code, m_quantity, m_units, QLocale()) : QString();
    m_hintSource = std::move(source);
    m_c.valueLabel->setToolTip(hint);
    m_c.valueLabel->setAccessibleDescription(hint);
    m_menu->setAvailable(shown);
}

void ColourCodePage::Calculate()
{
    const QString text = m_c.valueField->text();
    if (text.isEmpty())
        return;
    const auto number = ParseInt64(text);
    if (!number)
        throw HandlerError(InvalidIntegerMessage(text));

    int unit = 0;
    while (unit < 2 && !m_c.unitButtons[static_cast<std::size_t>(unit)]->isChecked())
        ++unit;
    if (*number < 1 || *number > UnitMaximum(unit)) {
        SystemBeep();
        ShowMessage(m_owner, RangeMessage(m_units, unit));
        return;
    }

    const auto code = CodeForValue(*number * UnitFactors[static_cast<std::size_t>(unit)], digitCount());
    for (int i = 0; i < code.count; ++i)
        m_c.valueBands[static_cast<std::size_t>(i)]->setBrushColour(code.bands[static_cast<std::size_t>(i)]);
    Recompute();
}

void ColourCodePage::SwitchBandCount()
{
    const bool four = digitCount() == 2;
    m_c.valueBands[3]->setVisible(!four);
    TShape* third = m_c.valueBands[2];
    if (!RoleAccepts(four ? BandRole::MultiplierOfFour : BandRole::Digit, third->brushColour()))
        third->setBrushColour(NoColour);
    // The third band is the one whose role changes with the count.
    DescribeBand(third);
    Recompute();
}

void ColourCodePage::ToleranceChosen(int index)
{
    if (const auto colour = ToleranceColour(index))
        m_c.toleranceBand->setBrushColour(*colour);
}

void ColourCodePage::DescribeBand(TShape* band)
{
    const auto& b = m_c.valueBands;
    QString text;
    if (band == b[0])
        text = BandDescription(QStringLiteral("First digit"), BandRole::FirstDigit, band->brushColour());
    else if (band == b[1])
        text = BandDescription(QStringLiteral("Second digit"), BandRole::Digit, band->brushColour());
    else if (band == b[2] && digitCount() == 2)
        text = BandDescription(QStringLiteral("Multiplier"), BandRole::MultiplierOfFour, band->brushColour());
    else if (band == b[2])
        text = BandDescription(QStringLiteral("Third digit"), BandRole::Digit, band->brushColour());
    else if (band == b[3])
        text = BandDescription(QStringLiteral("Multiplier"), BandRole::MultiplierOfMore, band->brushColour());
    else if (band == m_c.toleranceBand)
        text = BandDescription(QStringLiteral("Tolerance"), BandRole::Tolerance, band->brushColour());
    else
        return;
    SetBandDescription(band, text);
}

void SetBandDescription(TShape* band, const QString& text)
{
    band->setToolTip(text);
    band->setAccessibleName(text);
    band->setAccessibleDescription(text);
}

} // namespace kolvane
