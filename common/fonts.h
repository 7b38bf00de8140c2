// The layout asks for the fonts of the desktop it was drawn on ("MS Sans Serif",
// "Tahoma", "Verdana", "Arial"). Where they are missing, metric-compatible or
// similar families stand in, narrow enough that every caption fits its box.
#pragma once

class QColor;
class QString;
class QWidget;

namespace kolvane {

void InstallFontSubstitutes();

// A font request in pixels, as the layout gives it, and the colour of the widget's
// text. Buttons keep the system's button text colour, as they always have.
void ApplyPixelFont(QWidget* widget, const QString& family, int pixelSize, bool bold, const QColor& colour);

} // namespace kolvane
