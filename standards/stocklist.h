// SPDX-License-Identifier: MIT
// A stock list: the resistors in a drawer, one value a line, "#" starting a comment.
// kolvane-cli's combine and the window read the same format through this one reader.
#pragma once

#include <QString>

#include <vector>

class QIODevice;

namespace kolvane {

// A list beyond either limit is refused whole, never read in part: the finder's work
// grows with the square of the count, and a cut list would give a wrong answer.
inline constexpr qint64 LargestStockList = 1 << 20;  // bytes
inline constexpr std::size_t MostStockValues = 2000; // different values

struct StockList {
    std::vector<double> values; // ascending, each once; empty when refused
    QString error;              // one line naming the source and the bad token; empty when read
};

// Reads an open device to its end (a file, a pipe, standard input), at most
// LargestStockList bytes. `name` is how messages name the source.
StockList ReadStockList(QIODevice& device, const QString& name);

// Opens the file at `path` and reads it as above.
StockList ReadStockFile(const QString& path);

} // namespace kolvane
