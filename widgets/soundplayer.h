// SPDX-License-Identifier: MIT
// Plays a short WAV held in memory and returns when it has been heard. Without an
// audio device, or with a malformed file, it returns at once and says nothing.
#pragma once

#include <QByteArray>

namespace qev {

// Returns true when the samples went to a device. Never blocks much longer than the
// sound lasts: every wait on the device has a deadline.
bool PlayWaveSync(const QByteArray& wave);

} // namespace qev
