// SPDX-License-Identifier: MIT
#include "resistorpage.h"

#include "feedback.h"
#include "fonts.h"
#include "keyfilters.h"
#include "listaccessible.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>

namespace kolvane {

ResistorPage::ResistorPage(const ResistorControls& controls, PickerSource picker, QWidget* owner, QObject* parent)
    // The resistor page has read nothing yet; its digits start unread.
    : ColourCodePage(controls.code, ResistorUnits(), Quantity::Resistance, LastReading{{-1, -1, -1}, 0.0L},
                     std::move(picker), owner, parent),
      m_r(controls)
{
    ApplyPixelFont(m_r.tfrList, QStringLiteral("Verdana"), 13, false, Qt::black);
    for (const auto item : TfrItems)
        m_r.tfrList->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    m_r.code.toleranceList->setCurrentIndex(8);
    m_r.tfrList->setCurrentIndex(7);
    TypedKeyFilter::install(m_r.tfrList, TypedKeyFilter::Nothing);
    NameList(m_r.tfrList, QStringLiteral("TFR"));

    makePickable(m_r.tfrBand);
    connect(m_r.tfrBand, &TShape::painted, this, [this] {
        describeBand(m_r.tfrBand);
        updateHint();
    });
    connect(m_r.calculate, &QAbstractButton::clicked, this, Guarded(owner, [this](bool) { calculate(); }));
    connect(m_r.code.toleranceList, &QComboBox::activated, this, &ResistorPage::chooseTolerance);
    connect(m_r.tfrList, &QComboBox::activated, this, &ResistorPage::chooseTfr);
    describeBand(m_r.tfrBand);
}

void ResistorPage::showBandCount(int count)
{
    m_r.tfrBand->setVisible(count == 6);
    ColourCodePage::showBandCount(count);
}

void ResistorPage::chooseTfr(int index)
{
    // The TFR band is painted even while it is hidden; it shows the colour with 6 bands.
    if (const auto colour = TfrColour(index))
        m_r.tfrBand->setBrushColour(*colour);
}

std::optional<BandColour> ResistorPage::tfrColour() const
{
    if (!m_r.code.bandCountButtons.at(2)->isChecked())
        return std::nullopt;
    return m_r.tfrBand->brushColour();
}

void ResistorPage::showTfr(BandColour colour)
{
    m_r.tfrBand->setBrushColour(colour);
    followInList(m_r.tfrBand, colour);
}

std::optional<BandPlace> ResistorPage::placeOf(const TShape* band) const
{
    // "TFR-bound": spelling intended.
    if (band == m_r.tfrBand)
        return BandPlace{BandRole::Tfr, QStringLiteral("TFR"), QStringLiteral("TFR-bound of resistor")};
    return ColourCodePage::placeOf(band);
}

void ResistorPage::followInList(const TShape* band, BandColour colour)
{
    if (band != m_r.tfrBand) {
        ColourCodePage::followInList(band, colour);
        return;
    }
    if (const auto index = TfrIndexOfColour(colour))
        m_r.tfrList->setCurrentIndex(*index);
}

} // namespace kolvane
