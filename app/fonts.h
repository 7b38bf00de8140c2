// The layout asks for the fonts of the desktop it was drawn on ("MS Sans Serif",
// "Tahoma", "Verdana", "Arial"). Where they are missing, metric-compatible or
// similar families stand in, narrow enough that every caption fits its box.
#pragma once

namespace kolvane {

void InstallFontSubstitutes();

} // namespace kolvane
