// SPDX-License-Identifier: MIT
// The JPEG decoder on the program's own diagrams and on damaged input, which must
// give a null image and never end the process.
#include "jpegdecoder.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>
#include <jpeglib.h>

using namespace kolvane;

namespace {

QByteArray Resource(const QString& name)
{
    QFile file(QStringLiteral(":/diagrams/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A greyscale picture written with libjpeg, to see that it still decodes to RGB.
QByteArray GreyJpeg(int width, int height)
{
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    QByteArray row(width, '\0');
    while (info.next_scanline < info.image_height) {
        // Left half dark, right half light.
        for (int x = 0; x < width; ++x)
            row[x] = static_cast<char>(x < width / 2 ? 40 : 220);
        auto* line = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

// Offset of the frame header (SOF0..SOF2) in a JPEG stream, or -1.
qsizetype FrameHeader(const QByteArray& jpeg)
{
    for (qsizetype i = 2; i + 1 < jpeg.size();) {
        if (static_cast<uchar>(jpeg[i]) != 0xFF)
            return -1;
        const uchar marker = static_cast<uchar>(jpeg[i + 1]);
        if (marker >= 0xC0 && marker <= 0xC2)
            return i;
        const int length = (static_cast<uchar>(jpeg[i + 2]) << 8) | static_cast<uchar>(jpeg[i + 3]);
        i += 2 + length;
    }
    return -1;
}

QByteArray WithSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = FrameHeader(jpeg);
    jpeg[sof + 5] = static_cast<char>(height >> 8);
    jpeg[sof + 6] = static_cast<char>(height & 0xFF);
    jpeg[sof + 7] = static_cast<char>(width >> 8);
    jpeg[sof + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

bool Near(QRgb actual, QColor expected, int tolerance)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance && qAbs(qGreen(actual) - expected.green()) <= tolerance &&
           qAbs(qBlue(actual) - expected.blue()) <= tolerance;
}

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor FrameBlue(0, 0, 128);

} // namespace

using PixelList = QList<QPair<QPoint, QColor>>;
Q_DECLARE_METATYPE(PixelList)

class TestJpegDecoder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void diagrams_data();
    void diagrams();
    void matchesAnotherDecoder_data();
    void matchesAnotherDecoder();
    void greyscaleBecomesRgb();
    void emptyInput();
    void everyTruncation();
    void randomBytes();
    void scrambledBody();
    void absurdDimensions_data();
    void absurdDimensions();
};

void TestJpegDecoder::initTestCase()
{
    Q_INIT_RESOURCE(kolvane);
}

void TestJpegDecoder::diagrams_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PixelList>("pixels");
    // Every diagram: the dark-blue frame on all four sides, white ground inside,
    // the open terminals at either end.
    const PixelList frame = {{{0, 39}, FrameBlue}, {{82, 0}, FrameBlue}, {{163, 39}, FrameBlue}, {{82, 77}, FrameBlue},
                             {{20, 15}, White},    {{145, 65}, White},   {{12, 39}, White}};
    QTest::newRow("resistors in series")
        << "resistors-series.jpg"
        << (frame + PixelList{{{58, 39}, Yellow}, {{106, 39}, Yellow}, {{82, 39}, Black}, {{82, 20}, White}});
    QTest::newRow("resistors in parallel")
        << "resistors-parallel.jpg"
        << (frame +
            PixelList{
                {{82, 20}, Yellow}, {{82, 58}, Yellow}, {{42, 39}, Black}, {{122, 39}, Black}, {{82, 39}, White}});
    QTest::newRow("capacitors in series")
        << "capacitors-series.jpg"
        << (frame + PixelList{{{53, 39}, Black}, {{63, 39}, Black}, {{58, 39}, White}, {{82, 39}, Black}});
    QTest::newRow("capacitors in parallel")
        << "capacitors-parallel.jpg"
        << (frame +
            PixelList{{{77, 20}, Black}, {{87, 58}, Black}, {{82, 20}, White}, {{42, 39}, Black}, {{82, 39}, White}});
}

void TestJpegDecoder::diagrams()
{
    QFETCH(QString, name);
    QFETCH(PixelList, pixels);
    const QByteArray data = Resource(name);
    QVERIFY(!data.isEmpty());
    const QImage image = DecodeJpeg(data);
    QCOMPARE(image.size(), QSize(164, 78));
    for (const auto& [point, colour] : pixels) {
        const QRgb actual = image.pixel(point);
        if (!Near(actual, colour, 40))
            QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3, expected near %4")
                                 .arg(point.x())
                                 .arg(point.y())
                                 .arg(QColor(actual).name(), colour.name())));
    }
}

void TestJpegDecoder::matchesAnotherDecoder_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"resistors-series.jpg", "resistors-parallel.jpg", "capacitors-series.jpg", "capacitors-parallel.jpg"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Qt's own JPEG reader is a separate path through the same library: the two
// pictures agree but for the rounding of the inverse transform.
void TestJpegDecoder::matchesAnotherDecoder()
{
    QFETCH(QString, name);
    const QByteArray data = Resource(name);
    const QImage reference = QImage::fromData(data, "JPEG");
    if (reference.isNull())
        QSKIP("Qt's JPEG image plugin is not installed");
    const QImage image = DecodeJpeg(data).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), reference.size());
    const QImage ref32 = reference.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y), b = ref32.pixel(x, y);
            worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(worst <= 4, qPrintable(QStringLiteral("largest channel difference %1").arg(worst)));
}

void TestJpegDecoder::greyscaleBecomesRgb()
{
    const QImage image = DecodeJpeg(GreyJpeg(32, 16));
    QCOMPARE(image.size(), QSize(32, 16));
    QVERIFY(Near(image.pixel(4, 8), QColor(40, 40, 40), 6));
    QVERIFY(Near(image.pixel(28, 8), QColor(220, 220, 220), 6));
}

void TestJpegDecoder::emptyInput()
{
    QVERIFY(DecodeJpeg(QByteArrayView()).isNull());
    QVERIFY(DecodeJpeg(QByteArray()).isNull());
    QVERIFY(DecodeJpeg(nullptr, 100).isNull());
    const uchar one = 0xFF;
    QVERIFY(DecodeJpeg(&one, 1).isNull());
    QVERIFY(DecodeJpeg(&one, -1).isNull());
}

// A picture cut anywhere, in its header or in its coded data, is refused: libjpeg
// would otherwise pad the missing part and return a half-grey picture.
void TestJpegDecoder::everyTruncation()
{
    const QByteArray data = Resource(QStringLiteral("resistors-parallel.jpg"));
    QVERIFY(!DecodeJpeg(data).isNull());
    for (qsizetype length = 0; length < data.size(); ++length) {
        if (!DecodeJpeg(QByteArrayView(data.constData(), length)).isNull())
            QFAIL(qPrintable(QStringLiteral("the first %1 of %2 bytes decoded").arg(length).arg(data.size())));
    }
}

void TestJpegDecoder::randomBytes()
{
    QRandomGenerator random(4);
    for (int i = 0; i < 2000; ++i) {
        QByteArray noise(static_cast<qsizetype>(random.bounded(1, 4096)), '\0');
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        // Without the start-of-image marker nothing is a JPEG.
        if (static_cast<uchar>(noise[0]) == 0xFF)
            noise[0] = 0;
        QVERIFY(DecodeJpeg(noise).isNull());
        // With the marker, the header parser meets the noise.
        noise[0] = static_cast<char>(0xFF);
        if (noise.size() > 1)
            noise[1] = static_cast<char>(0xD8);
        const QImage image = DecodeJpeg(noise);
        QVERIFY(image.isNull() || (image.width() <= MaxJpegSide && image.height() <= MaxJpegSide));
    }
}

// Noise written over the coded data after a sound header: the decoder either
// refuses the picture or returns one of the header's size, and never fails hard.
void TestJpegDecoder::scrambledBody()
{
    const QByteArray data = Resource(QStringLiteral("capacitors-series.jpg"));
    const qsizetype sof = FrameHeader(data);
    QVERIFY(sof > 0);
    QRandomGenerator random(11);
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        QByteArray damaged = data;
        const int hits = static_cast<int>(random.bounded(1, 40));
        for (int h = 0; h < hits; ++h)
            damaged[random.bounded(sof, damaged.size())] = static_cast<char>(random.bounded(256));
        const QImage image = DecodeJpeg(damaged);
        if (image.isNull())
            ++refused;
        else
            QCOMPARE(image.size(), QSize(164, 78));
    }
    // libjpeg notices most damage; a decoder that never refused would be ignoring it.
    QVERIFY(refused > 0);
}

void TestJpegDecoder::absurdDimensions_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("largest possible") << 65535 << 65535;
    QTest::newRow("wide") << 65000 << 78;
    QTest::newRow("tall") << 164 << 60000;
    QTest::newRow("just above the limit") << MaxJpegSide + 1 << 78;
    QTest::newRow("zero height") << 164 << 0;
    QTest::newRow("zero width") << 0 << 78;
}

void TestJpegDecoder::absurdDimensions()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const QByteArray data = WithSize(Resource(QStringLiteral("resistors-series.jpg")), width, height);
    QVERIFY(DecodeJpeg(data).isNull());
}

QTEST_APPLESS_MAIN(TestJpegDecoder)
#include "test_jpegdecoder.moc"
