// SPDX-License-Identifier: MIT
// The "Resistor" page: 4-, 5- and 6-band codes, the tolerance and TFR lists, and the
// typed resistance painted as bands.
#pragma once

#include "codepage.h"

class QAbstractButton;

namespace kolvane {

// The resistor page's controls: the shared code controls, then what only it has.
struct ResistorControls {
    CodePageControls code;
    QAbstractButton* calculate = nullptr;
    TShape* tfrBand = nullptr;
    QComboBox* tfrList = nullptr;
};

class ResistorPage : public ColourCodePage {
    Q_OBJECT
public:
    ResistorPage(const ResistorControls& controls, PickerSource picker, QWidget* owner, QObject* parent);

    // Paints the TFR band for the chosen list item.
    void chooseTfr(int index);

protected:
    std::optional<BandPlace> placeOf(const TShape* band) const override;
    void followInList(const TShape* band, BandColour colour) override;
    std::optional<BandColour> tfrColour() const override;
    void showTfr(BandColour colour) override;
    void showBandCount(int count) override;

private:
    ResistorControls m_r;
};

} // namespace kolvane
