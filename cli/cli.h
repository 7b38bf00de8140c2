// SPDX-License-Identifier: MIT
// The whole command-line program as one call, so tests and the fuzzer can drive it
// in-process: no exit(), no global state, output only through the two streams.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace kolvane {

// Exit status of a run that was refused: bad command, option, colour, value, code,
// series or file.
inline constexpr int BadInputStatus = 2;
// Exit status of a run whose answer could not be written (a full disk, a closed
// standard output).
inline constexpr int WriteFailedStatus = 1;

// Runs the program on its arguments (without the program name). On success writes the
// answer to `out` and returns 0; on bad input writes one line naming the bad token to
// `err`, nothing to `out`, and returns BadInputStatus. When `out` fails to take the
// answer, writes one line to `err` and returns WriteFailedStatus.
int RunCli(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace kolvane
