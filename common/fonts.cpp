// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <array>

#if KOLVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace kolvane {
namespace {

struct StandIns {
    const char* family;
    QStringList substitutes;
};

const std::array<StandIns, 4>& Families()
{
    static const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                     QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
    // Verdana is wide; DejaVu Sans comes closest to its shapes, but its condensed
    // cut keeps the values inside their fixed labels.
    static const std::array<StandIns, 4> families = {{
        {"MS Sans Serif", sans},
        {"Tahoma", sans},
        {"Arial", sans},
        {"Verdana",
         {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
    }};
    return families;
}

// Named family -> the family that serves it. Asking Qt for a missing family costs a
// failed match and a fontconfig fallback sort for every size and weight before the
// substitutes are tried; asking for the substitute that Qt would end on costs one match.
QHash<QString, QString>& Settled()
{
    static QHash<QString, QString> settled;
    return settled;
}

} // namespace

std::jthread ReadFontConfigInBackground()
{
    return std::jthread([] {
#ifdef __linux__
        // Below the main thread and the display server, which answers the main thread's
        // handshake meanwhile; on two cores the three would otherwise take turns.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
#if KOLVANE_HAVE_FONTCONFIG
        // Loads the configuration and the font cache once for the process; Qt's own call
        // finds it done. Fontconfig guards its current configuration, so a second caller
        // meanwhile would only load it twice.
        FcInit();
#endif
    });
}

void InstallFontSubstitutes()
{
    // Qt's own substitution stays in place for any font derived from a named one.
    for (const StandIns& s : Families())
        QFont::insertSubstitutions(QString::fromLatin1(s.family), s.substitutes);

    // Qt takes a named family when it is installed, else the first installed substitute.
    const QStringList installed = QFontDatabase::families();
    const auto has = [&installed](const QString& family) { return installed.contains(family, Qt::CaseInsensitive); };
    for (const StandIns& s : Families()) {
        const QString named = QString::fromLatin1(s.family);
        if (has(named))
            continue;
        for (const QString& substitute : s.substitutes) {
            if (has(substitute)) {
                Settled().insert(named, substitute);
                break;
            }
        }
    }
}

QFont PixelFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(Settled().value(family, family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void ApplyPixelFont(QWidget* widget, const QString& family, int pixelSize, bool bold, const QColor& colour)
{
    widget->setFont(PixelFont(family, pixelSize, bold));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace kolvane
