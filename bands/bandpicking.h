// The road of one pick on the main window: a press on a band opens the picker for
// that band, and the picked colour is painted, mirrored in the tolerance and TFR
// lists, and read by both pages.
#pragma once

#include <QObject>

#include <array>
#include <functional>

class QComboBox;
class QDialog;

namespace kolvane {

class TShape;

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
    BandPicking(PickWiring wiring, QObject* parent);

    // The picker is created after the main window; it is shown for every band press.
    void setPicker(QDialog* picker) { m_picker = picker; }

    // Any mouse button on band n: remember the band and let the user pick.
    void ShapeMouseDown(int target);
    void ApplyPickedColour();

private:
    PickWiring m_w;
    QDialog* m_picker = nullptr;
};

} // namespace kolvane
