// SPDX-License-Identifier: MIT
// Opens the button's private state and drawing to the tests.
#pragma once

#include "qevbutton.h"
#include "qevcustombutton_p.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTimer>

// The pointer entering and leaving a widget, as the window system reports it.
inline void SendEnter(QWidget* w)
{
    const QPointF local(5, 5);
    QEnterEvent e(local, local, w->mapToGlobal(local));
    QApplication::sendEvent(w, &e);
}

inline void SendLeave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// A button whose private state the tests read and write under the names the drawing
// and the handlers use, and which counts the faces it paints.
class Probe : public TQevButton {
public:
    using TQevButton::TQevButton;
    using TLook = TQevCustomButtonPrivate::TLook;
    using enum TQevCustomButtonPrivate::TLook;
    using TRect = TQevCustomButtonPrivate::TRect;

    TQevCustomButtonPrivate* d() { return d_ptr.get(); }

    bool& m_activeDefault = d()->m_activeDefault;
    int& m_captionPlain = d()->m_captionPlain;
    TRect& m_captionRect = d()->m_captionRect;
    bool& m_focusShown = d()->m_focusShown;
    QColor& m_frameLeftTop = d()->m_frameLeftTop;
    QColor& m_frameRightBottom = d()->m_frameRightBottom;
    TRect& m_glyphRect = d()->m_glyphRect;
    int& m_hotFrameWidth = d()->m_hotFrameWidth;
    TRect& m_markRect = d()->m_markRect;
    int& m_normalFrameWidth = d()->m_normalFrameWidth;
    int& m_pointerOut = d()->m_pointerOut;
    int& m_pressOffset = d()->m_pressOffset;
    QTimer*& m_repeatTimer = d()->m_repeatTimer;
    QTimer*& m_startTimer = d()->m_startTimer;
    TRect& m_workRect = d()->m_workRect;

    void repeatTick() { d()->repeatTick(); }
    void startTick() { d()->startTick(); }

    int facesDrawn() const { return m_facesDrawn; }
    TLook lastLook() const { return m_lastLook; }

    // Draws one face into an image with the caption colour and press offset that the
    // handlers set for that look. The rectangles keep that face's layout afterwards.
    QImage face(TLook look)
    {
        m_captionPlain = (look == lkHot || look == lkPressed) ? 0 : 1;
        m_pressOffset = look == lkPressed ? 1 : 0;
        d()->m_look = look;
        d()->relayout();
        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter p(&image);
        d()->drawFace(p);
        d()->m_look = lkNormal;
        return image;
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++m_facesDrawn;
        m_lastLook = d()->m_look;
        TQevButton::paintEvent(event);
    }

private:
    int m_facesDrawn = 0;
    TLook m_lastLook = lkNormal;
};

// Fixed system colours, distinct from each other, so pixels say which one was used.
namespace testcolors {
inline const QColor Face(0xD4, 0xD0, 0xC8);       // button face
inline const QColor Light(0xF8, 0xF8, 0xF8);      // button highlight
inline const QColor Dark(0x80, 0x80, 0x80);       // button shadow
inline const QColor Window(0xFF, 0xFF, 0xF0);     // window (edit background)
inline const QColor ParentBack(0xC0, 0xC0, 0xE0); // a parent's background

inline void Install()
{
    QPalette pal = QApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Button, Face);
        pal.setColor(group, QPalette::Light, Light);
        pal.setColor(group, QPalette::Dark, Dark);
        pal.setColor(group, QPalette::Base, Window);
        pal.setColor(group, QPalette::Window, ParentBack);
        pal.setColor(group, QPalette::WindowText, Qt::black);
    }
    QApplication::setPalette(pal);
}
} // namespace testcolors
