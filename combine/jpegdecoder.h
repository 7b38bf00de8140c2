// SPDX-License-Identifier: MIT
// Decodes the JPEG circuit diagrams with libjpeg. Damaged input of any kind gives a
// null image; libjpeg's own error handler would end the process instead.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace kolvane {

// Largest width or height accepted, far above any picture the program carries;
// a corrupt header that claims more is refused before any memory is allocated.
inline constexpr int MaxJpegSide = 4096;

QImage DecodeJpeg(QByteArrayView data);
QImage DecodeJpeg(const uchar* data, qsizetype size);

} // namespace kolvane
