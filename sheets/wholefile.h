// SPDX-License-Identifier: MIT
// A file written whole or not at all, as every sheet of labels is saved: the window's
// Save buttons and kolvane-cli write through it.
#pragma once

#include <QByteArray>
#include <QString>

namespace kolvane {

// Writes `bytes` beside `path` and renames it into place. False, with the target left
// as it was and the reason in `error` when asked for, when anything fails.
bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace kolvane
