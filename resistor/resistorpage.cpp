// SPDX-License-Identifier: MIT
#include "resistorpage.h"

#include "banddigits.h"
#include "feedback.h"
#include "fonts.h"
#include "keyfilters.h"
#include "bandshape.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>

namespace kolvane {

ResistorPage::ResistorPage(const ResistorControls& controls, QWidget* owner, QObject* parent)
    : ColourCodePage(controls.code, ResistorUnits(), Quantity::Resistance, std::span(BandDigits).first(3),
                     ResistorMultiplier, owner, parent),
      m_r(controls)
{
    ApplyPixelFont(m_r.tfrList, QStringLiteral("Verdana"), 13, false, Qt::black);
    for (const auto item : TfrItems)
        m_r.tfrList->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    m_r.code.toleranceList->setCurrentIndex(8);
    m_r.tfrList->setCurrentIndex(7);
    TypedKeyFilter::Install(m_r.tfrList, TypedKeyFilter::Nothing);

    connect(m_r.tfrBand, &TShape::painted, this, [this] {
        DescribeBand(m_r.tfrBand);
        UpdateHint();
    });
    connect(m_r.calculate, &QAbstractButton::clicked, this, Guarded(owner, [this](bool) { Button1Click(); }));
    connect(m_r.code.fourBands, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(m_r.fiveBands, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    connect(m_r.sixBands, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton11Click();
    });
    connect(m_r.code.toleranceList, &QComboBox::activated, this, &ResistorPage::ComboBox1Change);
    connect(m_r.tfrList, &QComboBox::activated, this, &ResistorPage::ComboBox3Change);
    DescribeBand(m_r.tfrBand);
}

void ResistorPage::RecomputeResistor()
{
    Recompute();
}

void ResistorPage::Button1Click()
{
    Calculate();
}

void ResistorPage::RadioButton1Click()
{
    m_r.tfrBand->hide();
    SwitchBandCount();
}

void ResistorPage::RadioButton2Click()
{
    m_r.tfrBand->hide();
    SwitchBandCount();
}

void ResistorPage::RadioButton11Click()
{
    m_r.tfrBand->show();
    SwitchBandCount();
}

void ResistorPage::ComboBox1Change(int index)
{
    ToleranceChosen(index);
}

void ResistorPage::ComboBox3Change(int index)
{
    // The TFR band is painted even while it is hidden; it shows the colour with 6 bands.
    if (const auto colour = TfrColour(index))
        m_r.tfrBand->setBrushColour(*colour);
}

std::optional<BandColour> ResistorPage::tfrColour() const
{
    if (!m_r.sixBands->isChecked())
        return std::nullopt;
    return m_r.tfrBand->brushColour();
}

void ResistorPage::DescribeBand(TShape* band)
{
    if (band == m_r.tfrBand)
        SetBandDescription(band, BandDescription(QStringLiteral("TFR"), BandRole::Tfr, band->brushColour()));
    else
        ColourCodePage::DescribeBand(band);
}

} // namespace kolvane
