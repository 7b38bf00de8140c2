// SPDX-License-Identifier: MIT
// Label sheets as data: the presets people buy, and custom sheets checked before use.
// Every size is in millimetres, measured from the paper's top-left corner.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace kolvane {

struct Sheet {
    QString id;       // as the CLI takes it: "avery-5160", or "custom"
    QString pageName; // "Letter", "A4", or "WxH" for other paper
    QSizeF page;      // paper width and height
    int columns = 1;
    int rows = 1;
    QSizeF label;        // one label's width and height
    double left = 0.0;   // paper's left edge to the first label's left edge
    double top = 0.0;    // paper's top edge to the first label's top edge
    double across = 0.0; // pitch: one label's left edge to the next one's
    double down = 0.0;   // pitch: one label's top edge to the one below
    QString note;        // "plain paper, cut"; empty for most

    int slotCount() const { return columns * rows; }
    // Slot `index` (0-based, row by row, left to right) on the paper, before offsets.
    QRectF slotRect(int index) const;
    bool operator==(const Sheet&) const = default;
};

inline constexpr QSizeF A4Page{210.0, 297.0};
inline constexpr QSizeF LetterPage{215.9, 279.4};

// The presets in the order lists show them.
std::span<const Sheet> PresetSheets();

// A preset by its id or one of its other names (avery-5260 and avery-8160 are
// avery-5160), case-insensitive; nothing for any other text.
const Sheet* FindPresetSheet(QStringView id);

// What is wrong with a sheet, as a clause a message can quote ("the labels overlap
// across", "the labels leave the page at the bottom"); empty when it is sound. Sound
// means: positive sizes, 1 to 50 columns and rows, no two labels overlapping, every
// label on the paper.
QString SheetProblem(const Sheet& sheet);

// The paper of a custom sheet from "a4", "letter" or "WxH" in mm; nothing otherwise.
std::optional<QSizeF> ParsePageSize(QStringView text);

} // namespace kolvane
