// SPDX-License-Identifier: MIT
// The button's own resources (glyphs, the popup arrow, the hand cursor, the hover
// sound), looked up by name without regard to case.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>
#include <optional>

namespace qev {

// A bitmap resource as a 32-bit image; a null image when there is none of that name.
QImage LoadBitmap(const QString& name);
// A monochrome cursor resource with the hot spot stored beside its bits.
std::optional<QCursor> LoadCursor(const QString& name);
// The bytes of a "WAV" resource; empty when there is none of that name.
QByteArray LoadWave(const QString& name);

} // namespace qev
