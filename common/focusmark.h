// SPDX-License-Identifier: MIT
// The focus mark of the controls that Qt's style does not draw for us (the bands, the
// picker's "None", the value labels, the About links): a dotted frame, black dots
// over white, so it shows on every band colour and on the window's face alike.
#pragma once

#include <QObject>

#include <functional>

class QPainter;
class QRect;
class QWidget;

namespace kolvane {

// Draws the mark along the inside of `frame`.
void DrawFocusMark(QPainter& painter, const QRect& frame);

// Paints the mark over `widget` after the widget has painted itself, while it has the
// focus (and `shown` agrees, when given). The painter lives as long as the widget.
class FocusMarkPainter : public QObject {
    Q_OBJECT
public:
    static void install(QWidget* widget, std::function<QRect()> frame = {}, std::function<bool()> shown = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FocusMarkPainter(QWidget* widget, std::function<QRect()> frame, std::function<bool()> shown);
    std::function<QRect()> m_frame;
    std::function<bool()> m_shown;
};

} // namespace kolvane
