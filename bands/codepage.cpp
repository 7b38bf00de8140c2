// SPDX-License-Identifier: MIT
#include "codepage.h"

#include "feedback.h"
#include "fonts.h"
#include "keyfilters.h"
#include "listaccessible.h"
#include "numbers.h"
#include "colorform.h"
#include "encoding.h"
#include "resulthint.h"
#include "resultmenu.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace kolvane {

ColourCodePage::ColourCodePage(const CodePageControls& controls, const CodeUnits& units, Quantity quantity,
                               LastReading start, PickerSource picker, QWidget* owner, QObject* parent)
    : QObject(parent), m_c(controls), m_units(units), m_quantity(quantity), m_picker(std::move(picker)), m_last(start),
      m_owner(owner)
{
    applyLook();
    TypedKeyFilter::install(m_c.valueField, TypedKeyFilter::Digits);
    // Enter in the field does what the Calculate button beside it does.
    connect(m_c.valueField, &QLineEdit::returnPressed, this, Guarded(m_owner, [this] { calculate(); }));
    TypedKeyFilter::install(m_c.toleranceList, TypedKeyFilter::Nothing);

    for (std::size_t i = 0; i < m_c.bandCountButtons.size(); ++i) {
        const int count = 4 + static_cast<int>(i);
        connect(m_c.bandCountButtons[i], &QRadioButton::toggled, this, [this, count](bool on) {
            if (on)
                setBandCount(count);
        });
    }

    auto* list = m_c.toleranceList;
    NameList(list, QStringLiteral("Tolerance"));
    for (const auto item : ToleranceItems)
        list->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    list->setMaxVisibleItems(ToleranceItemCount);

    // A band is described again whenever it is painted.
    for (TShape* band :
         {m_c.valueBands[0], m_c.valueBands[1], m_c.valueBands[2], m_c.valueBands[3], m_c.toleranceBand}) {
        makePickable(band);
        connect(band, &TShape::painted, this, [this, band] { describeBand(band); });
        describeBand(band);
    }

    // The label's text is the shown value; the letters come from the exact reading of
    // the bands where there is one, not from the 32-bit value.
    m_menu = new ResultMenu(
        m_c.valueLabel,
        {[this] { return m_c.valueLabel->text(); },
         [this] {
             const auto reading = ReadBands(shownCode(), m_quantity);
             const double value = reading ? reading->value : m_shownValue.value_or(0.0f);
             return LetterCode(value, m_quantity).value_or(QString());
         },
         [this] { return ColourNames(shownCode()); }},
        [this] { emit lookUpRequested(m_c.valueLabel->text()); }, this);
    // The tolerance band changes the hint, never the value.
    connect(m_c.toleranceBand, &TShape::painted, this, &ColourCodePage::updateHint);
}

void ColourCodePage::applyLook()
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
        lead->setAccessibleName(QStringLiteral("Lead"));
    }
    // Assistive tools would otherwise name the drawing after the page it is on.
    m_c.body->setAccessibleName(m_quantity == Quantity::Resistance ? QStringLiteral("Resistor body")
                                                                   : QStringLiteral("Capacitor body"));
}

int ColourCodePage::digitCount() const
{
    return m_c.bandCountButtons.front()->isChecked() ? 2 : 3;
}

void ColourCodePage::recompute()
{
    const int digits = digitCount();
    std::array<BandColour, 4> bands{};
    for (int i = 0; i <= digits; ++i)
        bands[static_cast<std::size_t>(i)] = m_c.valueBands[static_cast<std::size_t>(i)]->brushColour();
    m_shownValue =
        ReadCode(std::span(bands.data(), static_cast<std::size_t>(digits + 1)), m_last.digits, m_last.multiplier);
    m_c.valueLabel->setText(m_shownValue ? ValueText(*m_shownValue, m_units, QLocale()) : CheckColourText);
    updateHint();
}

BandCode ColourCodePage::shownCode() const
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

void ColourCodePage::updateHint()
{
    // Every pick recomputes both pages, and different typed numbers often paint the
    // same bands: the hint is only written again when what it reads has changed.
    const bool shown = m_shownValue.has_value();
    HintSource source{shown ? std::optional(shownCode()) : std::nullopt, QLocale().decimalPoint()};
    if (source == m_hintSource)
        return;
    QString hint = shown ? ResultHint(*source.code, m_quantity, m_units, QLocale()) : QString();
    if (!hint.isEmpty())
        hint += QLatin1Char('\n') + LookUpHintLine;
    m_hintSource = std::move(source);
    m_c.valueLabel->setToolTip(hint);
    m_c.valueLabel->setAccessibleDescription(hint);
    m_menu->setAvailable(shown);
}

void ColourCodePage::calculate()
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

    // Within 1..999 000 000 every multiplier is one the band count takes.
    const auto code =
        EncodeValue(static_cast<double>(*number * UnitFactors[static_cast<std::size_t>(unit)]), digitCount());
    if (!code)
        return;
    std::vector<BandColour> bands = code->code.digits;
    bands.push_back(code->code.multiplier);
    for (std::size_t i = 0; i < bands.size(); ++i)
        m_c.valueBands[i]->setBrushColour(bands[i]);
    recompute();
}

void ColourCodePage::setBandCount(int count)
{
    const auto index = static_cast<std::size_t>(count - 4);
    if (count < 4 || index >= m_c.bandCountButtons.size())
        return;
    QRadioButton* button = m_c.bandCountButtons[index];
    if (!button->isChecked()) {
        // Checking the button toggles it, and its toggle comes back here.
        button->setChecked(true);
        return;
    }
    showBandCount(count);
}

void ColourCodePage::showBandCount(int /*count*/)
{
    // The four-band button alone decides the digits, as digitCount() reads it.
    const bool four = digitCount() == 2;
    m_c.valueBands[3]->setVisible(!four);
    TShape* third = m_c.valueBands[2];
    if (!RoleAccepts(RolesOf(digitCount() + 2)[2], third->brushColour()))
        third->setBrushColour(NoColour);
    // The third band is the one whose role changes with the count.
    describeBand(third);
    recompute();
}

void ColourCodePage::chooseTolerance(int index)
{
    if (const auto colour = ToleranceColour(index))
        m_c.toleranceBand->setBrushColour(*colour);
}

void ColourCodePage::showCode(const BandCode& code)
{
    const auto digits = code.digits.size();
    setBandCount(int(digits) + (code.tfr ? 3 : 2));
    const auto paint = [this](TShape* band, BandColour colour) {
        band->setBrushColour(colour);
        followInList(band, colour);
    };
    for (std::size_t i = 0; i < digits && i < 3; ++i)
        paint(m_c.valueBands[i], code.digits[i]);
    paint(m_c.valueBands[std::min<std::size_t>(digits, 3)], code.multiplier);
    paint(m_c.toleranceBand, code.tolerance);
    if (code.tfr)
        showTfr(*code.tfr);
    recompute();
    emit colourPicked();
}

QString ColourCodePage::partName() const
{
    // "capasitor": spelling intended.
    return m_quantity == Quantity::Resistance ? QStringLiteral("resistor") : QStringLiteral("capasitor");
}

std::optional<BandPlace> ColourCodePage::placeOf(const TShape* band) const
{
    // "bound" for a band: wording intended.
    static constexpr std::array<const char*, 4> Ordinals = {"First", "Second", "Third", "Fourth"};
    for (int k = 0; k < 4; ++k) {
        if (band != m_c.valueBands[static_cast<std::size_t>(k)])
            continue;
        // The fourth value band shows only in codes of five or more bands; while it is
        // hidden it keeps the role it has there.
        const int count = k <= digitCount() ? digitCount() + 2 : 5;
        const BandRole role = RolesOf(count)[static_cast<std::size_t>(k)];
        return BandPlace{
            role, QString::fromLatin1(RoleName(role, k).data()),
            QStringLiteral("%1 bound of %2").arg(QLatin1String(Ordinals[static_cast<std::size_t>(k)]), partName())};
    }
    if (band == m_c.toleranceBand)
        return BandPlace{BandRole::Tolerance, QStringLiteral("Tolerance"),
                         QStringLiteral("Tolerance bound of ") + partName()};
    return std::nullopt;
}

void ColourCodePage::makePickable(TShape* band)
{
    band->setPressable(true);
    // Tab reaches a band, a click does not focus it: the mouse never leaves a mark.
    band->setFocusPolicy(Qt::TabFocus);
    connect(band, &TShape::mouseDown, this, [this, band](Qt::MouseButton, const std::optional<PointerPress>& pointer) {
        pickColourFor(band, pointer);
    });
}

void ColourCodePage::pickColourFor(TShape* band, const std::optional<PointerPress>& pointer)
{
    const auto place = placeOf(band);
    TColorForm* picker = place && m_picker ? m_picker() : nullptr;
    if (!picker)
        return;
    const auto colour = picker->chooseColour(place->role, place->pickerCaption, {band->brushColour(), pointer});
    if (!colour)
        return;
    band->setBrushColour(*colour);
    followInList(band, *colour);
    recompute();
    emit colourPicked();
}

void ColourCodePage::followInList(const TShape* band, BandColour colour)
{
    if (band != m_c.toleranceBand)
        return;
    if (const auto index = ToleranceIndexOfColour(colour))
        m_c.toleranceList->setCurrentIndex(*index);
}

void ColourCodePage::describeBand(TShape* band)
{
    if (const auto place = placeOf(band))
        SetBandDescription(band, BandDescription(place->name, place->role, band->brushColour()));
}

void SetBandDescription(TShape* band, const QString& text)
{
    band->setToolTip(text);
    band->setAccessibleName(text);
    band->setAccessibleDescription(text);
}

} // namespace kolvane
