// SPDX-License-Identifier: MIT
// A label layout as bytes and back, so kolvane-cli can hand a laid-out sheet to the
// PDF helper program without linking the painter itself.
#pragma once

#include "labellayout.h"

#include <QByteArray>

#include <optional>

namespace kolvane {

QByteArray SerialiseLayout(const LabelLayout& layout);
// Nothing for bytes that are not a whole layout of this version.
std::optional<LabelLayout> DeserialiseLayout(const QByteArray& bytes);

} // namespace kolvane
