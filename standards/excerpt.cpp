// SPDX-License-Identifier: MIT
#include "excerpt.h"

namespace kolvane {
namespace {

// Characters a terminal or a text view may act on or hide rather than show.
bool Invisible(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

QString Escaped(char32_t c)
{
    const QString hex = QString::number(static_cast<uint>(c), 16).toUpper();
    return c < 0x100 ? QStringLiteral("\\x") + hex.rightJustified(2, QLatin1Char('0'))
                     : QStringLiteral("\\u") + hex.rightJustified(4, QLatin1Char('0'));
}

} // namespace

QString QuotedExcerpt(QStringView text)
{
    QString quoted = QStringLiteral("'");
    qsizetype shown = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (shown == MostQuotedCharacters) {
            quoted += QChar(0x2026);
            break;
        }
        // A whole character, never half a surrogate pair.
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        if (Invisible(c))
            quoted += Escaped(c);
        else
            quoted += text.mid(i, width);
        i += width;
        ++shown;
    }
    return quoted + QLatin1Char('\'');
}

} // namespace kolvane
