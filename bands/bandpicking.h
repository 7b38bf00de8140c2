// SPDX-License-Identifier: MIT
// The road of one pick on the main window: a press on a band opens the picker for
// that band, and the picked colour is painted, mirrored in the tolerance and TFR
// lists, and read by both pages.
#pragma once

#include "bandshape.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QComboBox;

namespace kolvane {

class TColorForm;

struct PickWiring {
    std::array<TShape*, 11> bands{}; // the band of PickTarget n at index n - 1
    QComboBox* resistorTolerance = nullptr;
    QComboBox* capacitorTolerance = nullptr;
    QComboBox* resistorTfr = nullptr;
    std::function<void()> recomputeResistor;
    std::function<void()> recomputeCapacitor;
};

class BandPicking : public QObject {
    Q_OBJECT
public:
    // `picker` gives the one picker dialog, which is shown for every band press; it is
    // asked for only then, so the dialog may be made on the first press.
    BandPicking(PickWiring wiring, std::function<TColorForm*()> picker, QObject* parent);

    // Any mouse button on band n: remember the band and let the user pick. `pointer` is
    // the press that did it, when the mouse did it.
    void ShapeMouseDown(int target, const std::optional<PointerPress>& pointer = std::nullopt);
    void ApplyPickedColour();

private:
    PickWiring m_w;
    std::function<TColorForm*()> m_picker;
};

} // namespace kolvane
