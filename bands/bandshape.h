// SPDX-License-Identifier: MIT
// A filled rectangle: the bands, bodies and leads of the component drawings and the
// picker's swatches. Its fill colour is a band's whole state; pages read it back.
#pragma once

#include "bandcolours.h"

#include <QPointF>
#include <QWidget>

#include <optional>

namespace kolvane {

// Where and when the pointer pressed, in the pointer's own clock.
struct PointerPress {
    QPointF globalPosition;
    quint64 timestamp = 0;
};

class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    BandColour brushColour() const { return m_fill; }
    void setBrushColour(BandColour colour);

    // A pressable shape (a band, a swatch) shows itself to assistive tools as a button
    // whose press action acts as a press of the primary mouse button, and to the mouse
    // with the pointing hand.
    bool isPressable() const { return m_pressable; }
    void setPressable(bool pressable);

    void setPen(BandColour colour, int width);

    // Whether the focus mark shows while the shape has the focus; it does unless told
    // otherwise (the picker hides it until the keyboard is used there).
    bool showsFocusMark() const { return m_showsFocusMark; }
    void setShowsFocusMark(bool shows);

signals:
    // Any mouse button pressed on the shape; `pointer` is empty when the keyboard
    // (Enter or Space on a focused shape, as a left press) or assistive tools pressed it.
    void mouseDown(Qt::MouseButton button, std::optional<kolvane::PointerPress> pointer);
    // The fill colour was written, also when it stayed the same.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    BandColour m_fill = NoColour;
    BandColour m_pen = colours::Black;
    int m_penWidth = 1;
    bool m_pressable = false;
    bool m_showsFocusMark = true;
};

} // namespace kolvane

using kolvane::TShape;
