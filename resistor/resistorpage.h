// SPDX-License-Identifier: MIT
// The "Resistor" page: 4-, 5- and 6-band codes, the tolerance and TFR lists, and the
// typed resistance painted as bands.
#pragma once

#include "codepage.h"

#include <cstdint>

class QAbstractButton;

namespace kolvane {

// The resistor page's controls: the shared code controls, then what only it has.
struct ResistorControls {
    CodePageControls code;
    QAbstractButton* calculate = nullptr;
    QRadioButton* fiveBands = nullptr;
    QRadioButton* sixBands = nullptr;
    TShape* tfrBand = nullptr;
    QComboBox* tfrList = nullptr;
};

// The multiplier last read from the resistor's multiplier band, kept between readings.
inline long double ResistorMultiplier = 0.0L;

class ResistorPage : public ColourCodePage {
    Q_OBJECT
public:
    ResistorPage(const ResistorControls& controls, QWidget* owner, QObject* parent);

    void RecomputeResistor();
    void Button1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton11Click();
    void ComboBox1Change(int index);
    void ComboBox3Change(int index);

protected:
    void DescribeBand(TShape* band) override;
    std::optional<BandColour> tfrColour() const override;

private:
    ResistorControls m_r;
};

} // namespace kolvane
