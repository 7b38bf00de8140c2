#include "fonts.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>
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
    QFont::insertSubstitutions(
        QStringLiteral("Verdana"),
        {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

void ApplyPixelFont(QWidget* widget, const QString& family, int pixelSize, bool bold, const QColor& colour)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace kolvane
