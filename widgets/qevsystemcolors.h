// SPDX-License-Identifier: MIT
// The four system colours the button uses, taken from the widget's palette (the
// platform's colour scheme) rather than fixed values, so a theme change reaches them.
#pragma once

#include <QPalette>
#include <QWidget>

namespace qev {

inline QColor buttonFace(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Button);
}
inline QColor buttonHighlight(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Light);
}
inline QColor buttonShadow(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Dark);
}
inline QColor windowColor(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Base);
}
// The font's own colour: Qt fonts carry none, so the widget's text role stands in.
inline QColor fontColor(const QWidget* w)
{
    return w->palette().color(QPalette::Active, w->foregroundRole());
}

} // namespace qev
