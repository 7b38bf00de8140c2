// SPDX-License-Identifier: MIT
#include "jsontext.h"

#include <QJsonArray>

#include <cmath>

namespace kolvane {
namespace {

void Write(const QJsonValue& value, QString& out);

void WriteString(const QString& s, QString& out)
{
    out += QLatin1Char('"');
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
}

void WriteNumber(double v, QString& out)
{
    // Fifteen digits are what a double holds of any decimal; the rest is binary noise.
    out += std::isfinite(v) ? QString::number(v, 'g', 15) : QStringLiteral("null");
}

void WriteObject(const QJsonObject& o, QString& out)
{
    QStringList keys = o.keys();
    if (keys.removeOne(QStringLiteral("unit")))
        keys.prepend(QStringLiteral("unit"));
    out += QLatin1Char('{');
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        WriteString(keys[i], out);
        out += QLatin1Char(':');
        Write(o.value(keys[i]), out);
    }
    out += QLatin1Char('}');
}

void Write(const QJsonValue& value, QString& out)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined: out += QLatin1String("null"); break;
    case QJsonValue::Bool: out += value.toBool() ? QLatin1String("true") : QLatin1String("false"); break;
    case QJsonValue::Double: WriteNumber(value.toDouble(), out); break;
    case QJsonValue::String: WriteString(value.toString(), out); break;
    case QJsonValue::Array: {
        out += QLatin1Char('[');
        const QJsonArray a = value.toArray();
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (i > 0)
                out += QLatin1Char(',');
            Write(a[i], out);
        }
        out += QLatin1Char(']');
        break;
    }
    case QJsonValue::Object: WriteObject(value.toObject(), out); break;
    }
}

} // namespace

QString JsonText(const QJsonObject& object)
{
    QString out;
    WriteObject(object, out);
    return out;
}

} // namespace kolvane
