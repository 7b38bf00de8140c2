// A filled rectangle: the bands, bodies and leads of the component drawings and the
// picker's swatches. Its fill colour is a band's whole state; pages read it back.
#pragma once

#include "bands/bandcolours.h"

#include <QWidget>

namespace kolvane {

class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    BandColour brushColour() const { return m_fill; }
    void setBrushColour(BandColour colour);

    BandColour penColour() const { return m_pen; }
    int penWidth() const { return m_penWidth; }
    void setPen(BandColour colour, int width);

signals:
    // Any mouse button pressed on the shape.
    void mouseDown(Qt::MouseButton button);
    // The fill colour was written, also when it stayed the same.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    BandColour m_fill = NoColour;
    BandColour m_pen = colours::Black;
    int m_penWidth = 1;
};

} // namespace kolvane

using kolvane::TShape;
