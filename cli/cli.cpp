// SPDX-License-Identifier: MIT
#include "cli.h"

#include "commandtable.h"
#include "version.h"

#include <QJsonDocument>

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
    text += QStringLiteral("\nEvery command takes --json and --help.\n"
                           "  --version  print the version\n"
                           "Values: 4700, 4.7k, 4k7, R47, 2.2M, 470R, 4.7kohm; with --capacitor 100n, 2n2, 4u7, "
                           "47p (picofarads when no prefix).\n");
    return text;
}

QString CommandHelp(const Command& c, const Options& o)
{
    QString summary = QString::fromLatin1(c.summary);
    summary[0] = summary[0].toUpper();
    QString text = QStringLiteral("Usage: kolvane-cli %1\n%2.\n").arg(QString::fromLatin1(c.usage), summary);
    const QString options = o.helpText();
    if (!options.isEmpty())
        text += QStringLiteral("\nOptions:\n") + options;
    return text;
}

// The whole text of a successful run: the answer, or the help that was asked for.
QString Run(const QStringList& args)
{
    if (args.isEmpty())
        Refuse(QStringLiteral("no command given; try 'kolvane-cli --help'"));
    const QString& first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help"))
        return GeneralHelp();
    if (first == QLatin1String("--version"))
        return Program + QLatin1Char(' ') + QStringLiteral(KOLVANE_VERSION) + QLatin1Char('\n');
    const Command* command = FindCommand(first);
    if (!command)
        Refuse(QStringLiteral("%1 is not a command (%2)").arg(Quoted(first), CommandNames()));
    Options o(first, command->options);
    if (!o.parse(args.mid(1)))
        return CommandHelp(*command, o);
    const Answer answer = command->run(o);
    if (o.json())
        return QString::fromUtf8(QJsonDocument(answer.json).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    return answer.text + QLatin1Char('\n');
}

} // namespace

int RunCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    try {
        out << Run(args);
        out.flush();
        return 0;
    } catch (const BadInput& bad) {
        QString line = bad.message;
        // One line, whatever the token held.
        line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        err << Program << QStringLiteral(": ") << line << QLatin1Char('\n');
        err.flush();
        return BadInputStatus;
    }
}

} // namespace kolvane
