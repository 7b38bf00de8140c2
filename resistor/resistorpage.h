// The "Resistor" page: 4-, 5- and 6-band codes, the tolerance and TFR lists, and the
// typed resistance painted as bands.
#pragma once

#include "bands/codepage.h"

#include <cstdint>

namespace Ui {
class TMainForm;
}

namespace kolvane {

// The multiplier last read from the resistor's multiplier band, kept between readings.
inline long double ResistorMultiplier = 0.0L;

class ResistorPage : public ColourCodePage {
    Q_OBJECT
public:
    ResistorPage(Ui::TMainForm& ui, QWidget* owner, QObject* parent);

    void RecomputeResistor();
    void Button1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton11Click();
    void ComboBox1Change(int index);
    void ComboBox3Change(int index);

protected:
    void DescribeBand(TShape* band) override;

private:
    Ui::TMainForm& m_ui;
};

} // namespace kolvane
