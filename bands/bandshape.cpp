// SPDX-License-Identifier: MIT
#include "bandshape.h"

#include "focusmark.h"
#include "keyfilters.h"
#include "markedaccessible.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kolvane {
namespace {
void InstallShapeAccessibility();
} // namespace

TShape::TShape(QWidget* parent) : QWidget(parent)
{
    InstallShapeAccessibility();
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

void TShape::setPressable(bool pressable)
{
    m_pressable = pressable;
    if (pressable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TShape::setPen(BandColour colour, int width)
{
    m_pen = colour;
    m_penWidth = width;
    update();
}

void TShape::setShowsFocusMark(bool shows)
{
    if (shows == m_showsFocusMark)
        return;
    m_showsFocusMark = shows;
    if (hasFocus())
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
    // Inside the outline, a pixel clear of it, so the outline keeps its colour.
    if (hasFocus() && m_showsFocusMark)
        DrawFocusMark(p, r.adjusted(w + 1, w + 1, -w - 1, -w - 1));
}

void TShape::keyPressEvent(QKeyEvent* event)
{
    if (!m_pressable || !IsPressKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key repeats: its repeats must not reach the picker this press opens and
    // pick there.
    if (!event->isAutoRepeat())
        emit mouseDown(Qt::LeftButton, std::nullopt);
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(event->button(), PointerPress{event->globalPosition(), event->timestamp()});
}

namespace {

class ShapeAccessible : public QAccessibleWidget {
public:
    explicit ShapeAccessible(TShape* shape) : QAccessibleWidget(shape, QAccessible::Graphic) {}

    QAccessible::Role role() const override
    {
        return shape()->isPressable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        if (!shape()->isPressable())
            return QAccessibleWidget::actionNames();
        return {pressAction()};
    }

    void doAction(const QString& actionName) override
    {
        if (shape()->isPressable() && actionName == pressAction()) {
            // A press may open the picker, which runs until the user closes it: the call
            // returns first, so an assistive tool never waits on a window.
            RunAfterCall(shape(), [target = shape()] { emit target->mouseDown(Qt::LeftButton, std::nullopt); });
        } else
            QAccessibleWidget::doAction(actionName);
    }

private:
    TShape* shape() const { return static_cast<TShape*>(widget()); }
};

QAccessibleInterface* ShapeAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("kolvane::TShape") && object && object->isWidgetType())
        return new ShapeAccessible(static_cast<TShape*>(object));
    return nullptr;
}

// The first shape made registers the interface for all of them.
void InstallShapeAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ShapeAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

} // namespace kolvane
