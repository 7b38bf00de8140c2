// SPDX-License-Identifier: MIT
#include "arguments.h"

#include "valuetext.h"

#include <cmath>
#include <vector>

namespace kolvane {

QString FromView(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

Quantity QuantityOf(const Options& o)
{
    return o.has(QStringLiteral("capacitor")) ? Quantity::Capacitance : Quantity::Resistance;
}

QString UnitName(Quantity q)
{
    return q == Quantity::Resistance ? QStringLiteral("ohm") : QStringLiteral("pF");
}

QString PartName(Quantity q)
{
    return q == Quantity::Resistance ? QStringLiteral("resistor") : QStringLiteral("capacitor");
}

double ValueOf(const QString& token, Quantity q)
{
    if (const auto v = ParseValue(token, q))
        return *v;
    if (const QString why = WhyNotAValue(token, q); !why.isEmpty())
        Refuse(Quoted(token) + QLatin1Char(' ') + why);
    Refuse(QStringLiteral("%1 is not a %2 value")
               .arg(Quoted(token),
                    q == Quantity::Resistance ? QStringLiteral("resistance") : QStringLiteral("capacitance")));
}

ESeries SeriesOf(const QString& token)
{
    if (const auto s = SeriesFromName(token.toStdString()))
        return *s;
    Refuse(QStringLiteral("%1 is not an E series (E3 E6 E12 E24 E48 E96 E192)").arg(Quoted(token)));
}

std::optional<double> PercentOf(QString token)
{
    if (token.endsWith(QLatin1Char('%')))
        token.chop(1);
    return ParseNumber(token);
}

ColourChart ChartOf(const Options& o)
{
    if (!o.has(QStringLiteral("chart")))
        return ColourChart::Kolvane;
    const QString name = o.single(QStringLiteral("chart"));
    if (const auto chart = ChartFromName(name))
        return *chart;
    Refuse(QStringLiteral("%1 is not a colour chart (kolvane iec)").arg(Quoted(name)));
}

bool SameNumber(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

void NoPositional(const Options& o, qsizetype allowed)
{
    const QStringList p = o.positional();
    if (p.size() > allowed)
        Refuse(QStringLiteral("%1 is one argument too many for '%2'").arg(Quoted(p[allowed]), o.command()));
}

QString OnlyPositional(const Options& o, const QString& what)
{
    const QStringList p = o.positional();
    if (p.isEmpty())
        Refuse(QStringLiteral("'%1' needs %2").arg(o.command(), what));
    NoPositional(o, 1);
    return p.first();
}

QJsonArray SeriesNames(double value)
{
    QJsonArray names;
    for (const ESeries s : SeriesContaining(value))
        names.append(FromView(SeriesName(s)));
    return names;
}

QString SeriesText(double value)
{
    const std::vector<ESeries> in = SeriesContaining(value);
    if (in.empty())
        return QStringLiteral("in no E series");
    // E3 … E192 when the series run unbroken in their order, else each named.
    bool unbroken = in.size() > 2;
    for (std::size_t i = 1; i < in.size() && unbroken; ++i)
        unbroken = static_cast<int>(in[i]) == static_cast<int>(in[i - 1]) + 1;
    if (unbroken)
        return QStringLiteral("standard in %1 \u2026 %2")
            .arg(FromView(SeriesName(in.front())), FromView(SeriesName(in.back())));
    QStringList names;
    for (const ESeries s : in)
        names << FromView(SeriesName(s));
    return QStringLiteral("standard in ") + names.join(QStringLiteral(", "));
}

int WholeOption(const Options& o, const QString& name, int low, int high, int fallback)
{
    if (!o.has(name))
        return fallback;
    const QString t = o.single(name);
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < low || v > high || t.startsWith(QLatin1Char('+')))
        Refuse(QStringLiteral("%1 is not a value for '--%2' (%3 to %4)").arg(Quoted(t), name).arg(low).arg(high));
    return v;
}

} // namespace kolvane
