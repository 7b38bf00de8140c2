// SPDX-License-Identifier: MIT
// The "Capasitor" page: 4- and 5-band codes in pF, nF and µF, the tolerance list, and
// the typed capacitance painted as bands.
#pragma once

#include "codepage.h"

class QAbstractButton;

namespace kolvane {

// The capacitor page's controls: the shared code controls, then what only it has.
struct CapacitorControls {
    CodePageControls code;
    QAbstractButton* calculate = nullptr;
    QRadioButton* fiveBands = nullptr;
};

// The multiplier last read from the capacitor's multiplier band, in picofarads.
inline long double CapacitorMultiplier = 0.0L;

class CapacitorPage : public ColourCodePage {
    Q_OBJECT
public:
    CapacitorPage(const CapacitorControls& controls, QWidget* owner, QObject* parent);

    void RecomputeCapacitor();
    void Button2Click();
    void RadioButton4Click();
    void RadioButton3Click();
    void ComboBox2Change(int index);
};

} // namespace kolvane
