#include "app/fonts.h"

#include <QFont>
#include <QStringList>

namespace kolvane {

void InstallFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
    for (const char* family : {"MS Sans Serif", "Tahoma", "Arial"})
        QFont::insertSubstitutions(QString::fromLatin1(family), sans);
    // Verdana is wide; DejaVu Sans comes closest to its shapes, but its condensed
    // cut keeps the values inside their fixed labels.
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Liberation Sans")});
}

} // namespace kolvane
