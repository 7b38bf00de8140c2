// SPDX-License-Identifier: MIT
#include "cli.h"

#include "commandtable.h"
#include "jsontext.h"
#include "version.h"

#include <QFileDevice>

namespace kolvane {
namespace {

const QString Program = QStringLiteral("kolvane-cli");

QString CommandNames()
{
    QStringList names;
    for (const Command& c : Commands())
        names << QString::fromLatin1(c.name);
    return names.join(QLatin1Char(' '));
}

QString GeneralHelp()
{
    QString text = QStringLiteral("Usage: kolvane-cli COMMAND [OPTIONS] ARGUMENTS\n"
                                  "Reads and writes resistor and capacitor colour codes and markings.\n\nCommands:\n");
    for (const Command& c : Commands())
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(c.name), -9).arg(QString::fromLatin1(c.summary));
    text +=
        QStringLiteral("\nEvery command takes --json and -h/--help.\n"
                       "  --version  print the version\n"
                       "Values: 4700, 4.7k, 4k7, R47, 2.2M, 470R, 4.7kohm, 4.7e3; with --capacitor 100n, 2n2, "
                       "4u7, 47p, 4.7nF (picofarads when no prefix).\n"
                       "Colour chart: the program's own (kolvane) by default; decode and encode take --chart iec\n"
                       "for IEC 60062:2016, which adds orange 0.05 %, yellow 0.02 % and grey 0.01 % tolerances,\n"
                       "a temperature coefficient for black to grey, and multipliers from pink (x0.001) to white.\n");
    return text;
}

QString CommandHelp(const Command& c, const Options& o)
{
    QString summary = QString::fromLatin1(c.summary);
    summary[0] = summary[0].toUpper();
    QString text = QStringLiteral("Usage: kolvane-cli %1\n%2.\n").arg(UsageLine(c), summary);
    const QString options = o.helpText();
    if (!options.isEmpty())
        text += QStringLiteral("\nOptions:\n") + options;
    return text;
}

// What a successful run writes to standard output: text, or the bytes of a file.
struct Output {
    QString text;
    QByteArray bytes;
};

// The whole text of a successful run: the answer, or the help that was asked for.
Output Run(const QStringList& args)
{
    if (args.isEmpty())
        Refuse(QStringLiteral("no command given; try 'kolvane-cli --help'"));
    const QString& first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help"))
        return {GeneralHelp(), {}};
    if (first == QLatin1String("--version"))
        return {Program + QLatin1Char(' ') + QStringLiteral(KOLVANE_VERSION) + QLatin1Char('\n'), {}};
    const Command* command = FindCommand(first);
    if (!command)
        Refuse(QStringLiteral("%1 is not a command (%2)").arg(Quoted(first), CommandNames()));
    Options o(first, command->options);
    if (!o.parse(args.mid(1)))
        return {CommandHelp(*command, o), {}};
    const Answer answer = command->run(o);
    if (o.json())
        return {JsonText(answer.json) + QLatin1Char('\n'), {}};
    if (answer.quiet)
        return {QString(), answer.bytes};
    return {answer.text + QLatin1Char('\n'), {}};
}

} // namespace

int RunCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Output answer;
    try {
        answer = Run(args);
    } catch (const WriteFailure& failure) {
        err << Program << QStringLiteral(": ") << failure.message << QLatin1Char('\n');
        err.flush();
        return WriteFailedStatus;
    } catch (const BadInput& bad) {
        QString line = bad.message;
        // One line, whatever the token held; every quoted token is an excerpt already.
        for (QChar& c : line)
            if (c.category() == QChar::Other_Control)
                c = QLatin1Char(' ');
        err << Program << QStringLiteral(": ") << line << QLatin1Char('\n');
        err.flush();
        return BadInputStatus;
    }
    out << answer.text;
    out.flush();
    bool written = out.status() == QTextStream::Ok;
    if (!answer.bytes.isEmpty()) {
        // A file's bytes go to the stream's device untouched; a stream on a string (as
        // the tests use) takes them as UTF-8 text.
        if (QIODevice* device = out.device())
            written = written && device->write(answer.bytes) == answer.bytes.size();
        else
            out << QString::fromUtf8(answer.bytes);
        out.flush();
        written = written && out.status() == QTextStream::Ok;
    }
    if (!written) {
        const auto* file = qobject_cast<const QFileDevice*>(out.device());
        const QString reason =
            file && !file->errorString().isEmpty() ? QStringLiteral(": ") + file->errorString() : QString();
        err << Program << QStringLiteral(": the answer could not be written to standard output") << reason
            << QLatin1Char('\n');
        err.flush();
        return WriteFailedStatus;
    }
    return 0;
}

} // namespace kolvane
