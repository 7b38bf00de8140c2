#include "bands/bandshape.h"

#include <QMouseEvent>
#include <QPainter>

namespace kolvane {

TShape::TShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::setBrushColour(BandColour colour)
{
    if (colour != m_fill) {
        m_fill = colour;
        update();
    }
    emit painted();
}

void TShape::setPen(BandColour colour, int width)
{
    m_pen = colour;
    m_penWidth = width;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    // The outline lies inside the rectangle, as wide as the pen; no antialiasing, so
    // the fill shows its exact value and can be read back from a screenshot.
    p.fillRect(r, QColor::fromRgb(ToArgb(m_pen)));
    const int w = qMin(m_penWidth, qMin(r.width(), r.height()) / 2);
    p.fillRect(r.adjusted(w, w, -w, -w), QColor::fromRgb(ToArgb(m_fill)));
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(event->button());
}

} // namespace kolvane
