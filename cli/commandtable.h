// SPDX-License-Identifier: MIT
// Every command of kolvane-cli, described once: its name, arguments, summary, options
// and the function that answers it. Help, usage lines, dispatch and the list of
// command names all read this table, and a test holds the man page and the bash
// completion against it, so a new command is one entry here and one function.
#pragma once

#include "options.h"

#include <QJsonObject>
#include <QString>

#include <span>
#include <vector>

namespace kolvane {

struct Answer {
    QJsonObject json;
    QString text; // for people: one line per answer, no final newline
    // A command that writes files says nothing on success unless asked for JSON; one
    // that writes its output to standard output gives the bytes here.
    bool quiet = false;
    QByteArray bytes;
};

struct Command {
    const char* name;
    const char* arguments; // after the options in the usage line: "COLOUR...", "VALUE"
    const char* summary;   // lower case, no final full stop
    std::vector<OptionSpec> options;
    Answer (*run)(const Options&);
};

std::span<const Command> Commands();

// The usage line after "kolvane-cli ", made from the options:
// "encode [--capacitor] [--chart kolvane|iec] [--digits 2|3] … VALUE".
QString UsageLine(const Command& c);

// The command of that name, or nothing.
const Command* FindCommand(const QString& name);

} // namespace kolvane
