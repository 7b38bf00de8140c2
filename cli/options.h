// SPDX-License-Identifier: MIT
// One command's options, read with Qt's parser. Every failure is bad input that names
// the token, raised as BadInput so that RunCli writes the one line and stops.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <span>

namespace kolvane {

// Bad input ends the run at once; RunCli turns it into the one line on stderr.
struct BadInput {
    QString message;
};

[[noreturn]] void Refuse(const QString& message);

// A failed write (a file that cannot be made, a helper program that failed) ends the
// run as a failure, not as bad input.
struct WriteFailure {
    QString message;
};

[[noreturn]] void Fail(const QString& message);

// The token in single quotes, as every message names it: short, one line, control
// characters made visible.
QString Quoted(const QString& token);

// How an option stands in the usage line: alone, repeatable ("[--exclude VALUE]..."),
// or as the other choice to the next option ("[--series EN | --stock FILE]").
enum class OptionUse { Once, Repeatable, OrNext };

// An option a command takes besides --json and --help. `valueName` is empty for a
// switch. `choices` lists every value it takes, split by '|' ("2|3"), where they are
// few and the same under either chart; the usage line shows them in place of the
// value's name, and the completion offers them.
struct OptionSpec {
    const char* name;
    const char* description;
    const char* valueName = "";
    const char* choices = "";
    OptionUse use = OptionUse::Once;
};

class Options {
public:
    Options(const QString& command, std::span<const OptionSpec> options);

    // Reads the arguments after the command name. False when help was asked for.
    bool parse(const QStringList& args);
    // The option lines of the command's help, from "Options:" on.
    QString helpText() const;

    bool has(const QString& name) const { return m_parser.isSet(name); }
    QStringList values(const QString& name) const { return m_parser.values(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    bool json() const { return has(QStringLiteral("json")); }
    // The option's value; it may be given once at most, since a second value would
    // silently win.
    QString single(const QString& name) const;
    const QString& command() const { return m_command; }

private:
    void add(const QString& name, const QString& description, const QString& valueName = {});

    QString m_command;
    QCommandLineParser m_parser;
};

} // namespace kolvane
