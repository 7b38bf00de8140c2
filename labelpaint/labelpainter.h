// SPDX-License-Identifier: MIT
// Painting a label layout with QPainter: the window's preview, its printing, the PDF
// and the Look up window's picture of a code all draw through these functions, so what
// is seen is what is printed.
#pragma once

#include "labellayout.h"

#include <QByteArray>
#include <QPainter>
#include <QRectF>

class QIODevice;
class QPagedPaintDevice;

namespace kolvane {

// The family labels are set in; a font with Ω and µ that the packages depend on.
QString LabelFontFamily();

// Paints one page with the painter's current transform mapping paper millimetres onto
// its device through `paperToDevice` (for a page filling a QPdfWriter or QPrinter at
// full-page: the device's dots per millimetre). The painter's state is restored after.
void PaintLabelPage(QPainter& painter, const LabelPage& page, const QTransform& paperToDevice);

// The transform for painting the paper (in mm) into `target` (device pixels), keeping
// its aspect and centring it: for previews.
QTransform FitPaper(const QSizeF& paperMm, const QRectF& target);

// One code alone, its body and marks scaled into `target` (device units), for pictures
// outside a sheet.
void PaintBandGroup(QPainter& painter, const BandGroup& group, const QRectF& target);

// Every page of the layout on a paged device (a QPrinter or a QPdfWriter), the page
// set to the layout's paper with no margins; the painting starts at the paper's corner
// (a QPrinter must be set to full page). False when the device refused to paint.
bool PaintLabelPages(QPagedPaintDevice& device, const LabelLayout& layout);

// Every page of the layout as one PDF on `device` (open for writing): vector, the
// fonts embedded so the text can be selected and searched. False when the device
// failed. Needs a QGuiApplication.
bool WriteLabelPdf(const LabelLayout& layout, QIODevice& device, const QString& title = QString());

} // namespace kolvane
