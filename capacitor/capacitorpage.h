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
};

class CapacitorPage : public ColourCodePage {
    Q_OBJECT
public:
    CapacitorPage(const CapacitorControls& controls, PickerSource picker, QWidget* owner, QObject* parent);
};

} // namespace kolvane
