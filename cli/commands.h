// SPDX-License-Identifier: MIT
// The commands' answers, one function each; commandtable.cpp says which is which.
// Each reads its parsed options and returns the answer or raises BadInput.
#pragma once

#include "commandtable.h"

namespace kolvane::commands {

// commands_codes.cpp: colour codes and printed markings.
Answer Decode(const Options& o);
Answer Encode(const Options& o);
Answer Marking(const Options& o);
Answer Lookup(const Options& o);

// commands_values.cpp: standard values and networks of parts.
Answer Nearest(const Options& o);
Answer Series(const Options& o);
Answer Parallel(const Options& o);

// commands_combine.cpp: the combination finder.
Answer Combine(const Options& o);

// commands_labels.cpp: sheets of labels as SVG or PDF.
Answer Labels(const Options& o);

} // namespace kolvane::commands
