// SPDX-License-Identifier: MIT
#include "focusmark.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

namespace kolvane {

void DrawFocusMark(QPainter& painter, const QRect& frame)
{
    if (frame.width() < 2 || frame.height() < 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A pen draws a rectangle one pixel wider and taller than the rectangle given.
    const QRect line = frame.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(line);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(line);
    painter.restore();
}

FocusMarkPainter::FocusMarkPainter(QWidget* widget, std::function<QRect()> frame, std::function<bool()> shown)
    : QObject(widget), m_frame(std::move(frame)), m_shown(std::move(shown))
{}

void FocusMarkPainter::install(QWidget* widget, std::function<QRect()> frame, std::function<bool()> shown)
{
    widget->installEventFilter(new FocusMarkPainter(widget, std::move(frame), std::move(shown)));
}

bool FocusMarkPainter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->hasFocus() || (m_shown && !m_shown()))
        return false;
    // The widget paints first, through its own handler; the mark goes on top. Without
    // the focus the widget paints as it always has, untouched by this filter.
    static_cast<QObject*>(widget)->event(event);
    QPainter painter(widget);
    DrawFocusMark(painter, m_frame ? m_frame() : widget->rect());
    return true;
}

} // namespace kolvane
