// SPDX-License-Identifier: MIT
// A label layout as SVG, one document a page, written with Qt Core alone so that
// kolvane-cli needs no graphics library for it. Texts stay texts; labels, codes and
// texts carry classes and data attributes that scripts and tests can read.
#pragma once

#include "labellayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kolvane {

// Page `index` (0-based) of the layout as a standalone SVG document.
QByteArray LabelPageSvg(const LabelLayout& layout, int index, Quantity q);

// The file names of a layout's pages for the path asked for: "labels.svg" alone for one
// page, "labels-1.svg", "labels-2.svg", … for more (the suffix kept, "-N" before it).
QStringList SvgPageFileNames(const QString& path, int pageCount);

} // namespace kolvane
