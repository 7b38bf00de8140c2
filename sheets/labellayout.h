// SPDX-License-Identifier: MIT
// The layout of a label sheet: from the values, the sheet and the options to pages of
// labels, each label a short list of items in millimetres on the paper. The window's
// preview, its printing and the PDF paint this list; the SVG writer writes it. Nothing
// here measures real fonts: texts get a size that fits their box by a conservative
// estimate, and the painter shrinks a text further should a font still be wider.
#pragma once

#include "bandcolours.h"
#include "lettercode.h"
#include "sheets.h"

#include <QLineF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace kolvane {

struct LabelOptions {
    Quantity quantity = Quantity::Resistance;
    Sheet sheet;
    int start = 1;  // the first page's first used slot, 1-based
    int copies = 1; // of each value, 1 to MostCopies
    bool bands = true;
    bool smd = true;
    bool letter = true;
    bool outlines = false;
    bool fold = false;       // the lower half repeats the upper half turned 180°
    double offsetX = 0.0;    // mm, positive moves everything right
    double offsetY = 0.0;    // mm, positive moves everything down
    QChar decimalPoint{'.'}; // the window passes the locale's; the CLI a point
};

inline constexpr int MostCopies = 99;
inline constexpr double LargestOffset = 5.0;
// Labels lower than this keep the value, the 4-band code and the 3-digit code only; a
// folded label counts the height of its half.
inline constexpr double SmallLabelHeight = 15.0;

enum class TextRole {
    Value,     // "4.7 kΩ", "100 nF"
    Alternate, // a capacitor's other unit: "0.1 µF"
    Letter,    // "4K7"
    Smd3,      // "472"
    Smd4,      // "4701"
    Eia96,     // "66B"
    Cap3,      // "104"
    BandMark,  // the digit or multiplier letter under a band
    Ruler,     // the calibration page's millimetre figures
};

// The class a text carries in SVG: "value", "letter", "smd3", … "band-mark", "ruler".
QString TextRoleName(TextRole role);

// A text centred in its box; its font size is the em height in mm. `turned` texts are
// drawn rotated 180° about the box's centre (the fold-over half).
struct LabelText {
    TextRole role = TextRole::Value;
    QString text;
    QRectF box;
    double size = 3.0;
    bool bold = false;
    bool turned = false;
};

struct Band {
    BandColour colour = NoColour;
    QString colourName; // as the CLI's decode takes it: "yellow"
    QRectF rect;
};

// One drawn colour code: a resistor body with its bands in reading order, and a mark
// under each band so the code also reads in black and white.
struct BandGroup {
    int count = 4; // 4 or 5 (capacitors: 3 or 4, value bands and multiplier)
    QRectF body;
    std::vector<Band> bands;
    std::vector<LabelText> marks; // role BandMark, one per band
    bool turned = false;
};

struct Label {
    int slot = 1;                // on its page, 1-based
    QRectF cell;                 // on the paper, offsets applied
    std::optional<double> value; // ohm or farad; nothing for a blank label
    std::vector<LabelText> texts;
    std::vector<BandGroup> codes;
    bool outline = false;
};

struct LabelPage {
    std::vector<Label> labels;    // only the slots that are used, in slot order
    std::vector<QLineF> lines;    // the calibration page's rulers and ticks
    std::vector<LabelText> texts; // the calibration page's figures
    std::vector<QRectF> outlines; // the calibration page's slot outlines
};

struct LabelLayout {
    QSizeF page; // mm
    QString pageName;
    std::vector<LabelPage> pages;
    int labelCount = 0; // labels with a value (blank ones left out), copies counted
};

// One entry per label: a value in the base unit (ohm or picofarad) or nothing for a
// label left blank.
using LabelValues = std::vector<std::optional<double>>;

// What is wrong with the options, as a message naming the figure ("start 31 is beyond
// the 30 slots of avery-5160"); empty when they can be laid out.
QString OptionsProblem(const LabelOptions& options);

// The pages; call only with options OptionsProblem finds sound. A new page starts only
// when a label needs one, so no page is empty (no values: no pages).
LabelLayout LayOutLabels(const LabelValues& values, const LabelOptions& options);

// One page with every slot's outline and a millimetre ruler along the top and left
// edges, offsets applied, for reading a printer's offsets off a test print.
LabelLayout CalibrationLayout(const Sheet& sheet, double offsetX, double offsetY);

// The value's codes drawn alone (4 and 5 bands for a resistor, the colour code for a
// capacitor), each exact one laid out in `area` (mm, from 0,0), one above the other;
// for pictures outside a sheet such as the Look up window's details.
std::vector<BandGroup> CodePicture(double value, Quantity q, const QSizeF& area);

// "61 labels on 3 pages", "1 label on 1 page".
QString LayoutSummary(const LabelLayout& layout);

} // namespace kolvane
