// SPDX-License-Identifier: MIT
// The layout asks for the fonts of the desktop it was drawn on ("MS Sans Serif",
// "Tahoma", "Verdana", "Arial"). Where they are missing, metric-compatible or
// similar families stand in, narrow enough that every caption fits its box.
#pragma once

#include <thread>

class QColor;
class QFont;
class QString;
class QWidget;

namespace kolvane {

// Reads the system's font configuration on a low-priority thread of its own, while the
// main thread connects to the display. Join it before the first font is asked for:
// Qt's font calls then find the configuration loaded instead of reading it themselves.
[[nodiscard]] std::jthread ReadFontConfigInBackground();

// Settles, once per run and before any control asks, which installed family stands in
// for each named one.
void InstallFontSubstitutes();

// A font request in pixels, as the layout gives it, for the family that serves the
// named one in this run.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// The same font set on a widget, with the colour of the widget's text. Buttons keep
// the system's button text colour, as they always have.
void ApplyPixelFont(QWidget* widget, const QString& family, int pixelSize, bool bold, const QColor& colour);

} // namespace kolvane
