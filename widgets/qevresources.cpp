// SPDX-License-Identifier: MIT
#include "qevresources.h"

#include <QBitmap>
#include <QFile>
#include <QRegularExpression>

// The resources are compiled into this library; registering them here as well means a
// program that uses the button needs no Q_INIT_RESOURCE of its own.
static void InitResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(qevbutton);
        return true;
    }();
    Q_UNUSED(done);
}

namespace qev {

static QString Path(const QString& name, const char* suffix)
{
    InitResources();
    return QStringLiteral(":/qevbutton/") + name.toLower() + QLatin1String(suffix);
}

QImage LoadBitmap(const QString& name)
{
    QImage image(Path(name, ".bmp"), "BMP");
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

static QPoint HotSpot(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(f.read(512));
    static const QRegularExpression x(QStringLiteral("_x_hot\\s+(\\d+)"));
    static const QRegularExpression y(QStringLiteral("_y_hot\\s+(\\d+)"));
    const auto mx = x.match(text);
    const auto my = y.match(text);
    return {mx.hasMatch() ? mx.captured(1).toInt() : 0, my.hasMatch() ? my.captured(1).toInt() : 0};
}

std::optional<QCursor> LoadCursor(const QString& name)
{
    const QString bitsFile = Path(name, ".xbm");
    const QString maskFile = Path(name + QStringLiteral("_mask"), ".xbm");
    const QImage bits(bitsFile, "XBM");
    const QImage mask(maskFile, "XBM");
    if (bits.isNull() || mask.isNull() || bits.size() != mask.size())
        return std::nullopt;
    const QPoint hot = HotSpot(bitsFile);
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), hot.x(), hot.y());
}

QByteArray LoadWave(const QString& name)
{
    QFile f(Path(name, ".wav"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace qev
