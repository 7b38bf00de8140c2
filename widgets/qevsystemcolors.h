// SPDX-License-Identifier: MIT
// The four system colours the button uses, taken from the widget's palette (the
// platform's colour scheme) rather than fixed values, so a theme change reaches them.
#pragma once

#include <QPalette>
#include <QWidget>

namespace qev {

inline QColor ButtonFace(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Button);
}
inline QColor ButtonHighlight(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Light);
}
inline QColor ButtonShadow(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Dark);
}
inline QColor WindowColor(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Base);
}
// The font's own colour: Qt fonts carry none, so the widget's text role stands in.
inline QColor FontColor(const QWidget* w)
{
    return w->palette().color(QPalette::Active, w->foregroundRole());
}

} // namespace qev
