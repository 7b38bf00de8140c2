// The "Capasitor" page: 4- and 5-band codes in pF, nF and µF, the tolerance list, and
// the typed capacitance painted as bands.
#pragma once

#include "bands/codepage.h"

namespace Ui {
class TMainForm;
}

namespace kolvane {

// The multiplier last read from the capacitor's multiplier band, in picofarads.
inline long double CapacitorMultiplier = 0.0L;

class CapacitorPage : public ColourCodePage {
    Q_OBJECT
public:
    CapacitorPage(Ui::TMainForm& ui, QWidget* owner, QObject* parent);

    void RecomputeCapacitor();
    void Button2Click();
    void RadioButton4Click();
    void RadioButton3Click();
    void ComboBox2Change(int index);
};

} // namespace kolvane
