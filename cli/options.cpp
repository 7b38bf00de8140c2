// SPDX-License-Identifier: MIT
#include "options.h"

#include "excerpt.h"

namespace kolvane {

void Refuse(const QString& message)
{
    throw BadInput{message};
}

void Fail(const QString& message)
{
    throw WriteFailure{message};
}

QString Quoted(const QString& token)
{
    return QuotedExcerpt(token);
}

Options::Options(const QString& command, std::span<const OptionSpec> options) : m_command(command)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    add(QStringLiteral("json"), QStringLiteral("answer as JSON"));
    m_parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help")));
    for (const OptionSpec& o : options)
        add(QString::fromLatin1(o.name), QString::fromLatin1(o.description), QString::fromLatin1(o.valueName));
}

void Options::add(const QString& name, const QString& description, const QString& valueName)
{
    m_parser.addOption(QCommandLineOption(name, description, valueName));
}

bool Options::parse(const QStringList& args)
{
    if (!m_parser.parse(QStringList{QStringLiteral("kolvane-cli")} + args)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString& name = unknown.first();
            // "-47" reads as an option to the parser and as a value to a person.
            if (!name.isEmpty() && (name[0].isDigit() || name[0] == QLatin1Char('.')) &&
                args.contains(QLatin1Char('-') + name))
                Refuse(QStringLiteral("%1 is negative: values are positive").arg(Quoted(QLatin1Char('-') + name)));
            Refuse(QStringLiteral("%1 is not an option of '%2'")
                       .arg(Quoted((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name), m_command));
        }
        QString text = m_parser.errorText();
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        Refuse(text);
    }
    return !has(QStringLiteral("help"));
}

QString Options::helpText() const
{
    return m_parser.helpText().section(QStringLiteral("Options:\n"), 1);
}

QString Options::single(const QString& name) const
{
    const QStringList given = values(name);
    if (given.size() > 1)
        Refuse(QStringLiteral("%1 is given more than once").arg(Quoted(QStringLiteral("--") + name)));
    return given.isEmpty() ? QString() : given.first();
}

} // namespace kolvane
