// SPDX-License-Identifier: MIT
// The WAV reader behind the hover sound: our own "PREKO" file, the shapes of real
// files (extra chunks, odd sizes), and malformed input that must be refused safely.
#include "wavreader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
}
void Put16(Bytes& b, std::uint16_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Tag(Bytes& b, const char* t)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(t[i]));
}

Bytes FmtChunk(int format, int channels, int rate, int bits)
{
    Bytes b;
    Tag(b, "fmt ");
    Put32(b, 16);
    Put16(b, std::uint16_t(format));
    Put16(b, std::uint16_t(channels));
    Put32(b, std::uint32_t(rate));
    Put32(b, std::uint32_t(rate * channels * bits / 8));
    Put16(b, std::uint16_t(channels * bits / 8));
    Put16(b, std::uint16_t(bits));
    return b;
}

Bytes DataChunk(std::uint32_t declared, std::size_t actual)
{
    Bytes b;
    Tag(b, "data");
    Put32(b, declared);
    for (std::size_t i = 0; i < actual; ++i)
        b.push_back(std::uint8_t(i));
    return b;
}

Bytes Riff(const std::vector<Bytes>& chunks)
{
    Bytes body;
    Tag(body, "WAVE");
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes b;
    Tag(b, "RIFF");
    Put32(b, std::uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

std::optional<qev::WavPcm> Parse(const Bytes& b)
{
    return qev::ParseWav(b);
}

} // namespace

class TestWavReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ourHoverSound()
    {
        QFile f(QStringLiteral(QEV_PREKO_WAV));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        const auto pcm =
            qev::ParseWav({reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())});
        QVERIFY(pcm);
        QCOMPARE(pcm->channels, 1);
        QCOMPARE(pcm->bitsPerSample, 16);
        QCOMPARE(pcm->sampleRate, 22050);
        QCOMPARE(pcm->samples.size(), std::size_t(594));
        QCOMPARE(pcm->frames(), std::size_t(297));
    }

    void extraChunksAndPadding()
    {
        Bytes list;
        Tag(list, "LIST");
        Put32(list, 3); // odd: one pad byte follows
        list.insert(list.end(), {'a', 'b', 'c', 0});
        const Bytes file = Riff({list, FmtChunk(1, 2, 44100, 16), DataChunk(8, 8)});
        const auto pcm = Parse(file);
        QVERIFY(pcm);
        QCOMPARE(pcm->channels, 2);
        QCOMPARE(pcm->frames(), std::size_t(2));
        QCOMPARE(pcm->samples[0], std::uint8_t(0));
        QCOMPARE(pcm->samples[7], std::uint8_t(7));
    }

    void dataCutToWhatIsThere()
    {
        // Declares more than the file holds, and ends in half a frame.
        const Bytes file = Riff({FmtChunk(1, 1, 22050, 16), DataChunk(1000, 11)});
        const auto pcm = Parse(file);
        QVERIFY(pcm);
        QCOMPARE(pcm->samples.size(), std::size_t(10));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("file");
        const auto qb = [](const Bytes& b) {
            return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
        };
        Bytes notRiff = Riff({FmtChunk(1, 1, 22050, 16), DataChunk(4, 4)});
        notRiff[0] = 'X';
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not RIFF") << qb(notRiff);
        QTest::newRow("header only") << qb(Riff({}));
        QTest::newRow("compressed") << qb(Riff({FmtChunk(2, 1, 22050, 16), DataChunk(4, 4)}));
        QTest::newRow("no channels") << qb(Riff({FmtChunk(1, 0, 22050, 16), DataChunk(4, 4)}));
        QTest::newRow("24 bits") << qb(Riff({FmtChunk(1, 1, 22050, 24), DataChunk(6, 6)}));
        QTest::newRow("zero rate") << qb(Riff({FmtChunk(1, 1, 0, 16), DataChunk(4, 4)}));
        QTest::newRow("data before format") << qb(Riff({DataChunk(4, 4), FmtChunk(1, 1, 22050, 16)}));
        QTest::newRow("no data") << qb(Riff({FmtChunk(1, 1, 22050, 16)}));
        Bytes shortFmt = FmtChunk(1, 1, 22050, 16);
        shortFmt.resize(8 + 10);
        QTest::newRow("format cut short") << qb(Riff({shortFmt}));
        Bytes huge;
        Tag(huge, "junk");
        Put32(huge, 0xFFFFFFFFu);
        QTest::newRow("chunk larger than the file") << qb(Riff({huge, FmtChunk(1, 1, 22050, 16), DataChunk(4, 4)}));
        Bytes badAlign = FmtChunk(1, 1, 22050, 16);
        badAlign[8 + 12] = 7;
        QTest::newRow("block align") << qb(Riff({badAlign, DataChunk(4, 4)}));
    }

    void refused()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!qev::ParseWav({reinterpret_cast<const std::uint8_t*>(file.constData()), std::size_t(file.size())}));
    }

    void damagedFilesNeverReadOutside()
    {
        // Every truncation and many random byte changes of a good file: the parser either
        // refuses or returns samples that lie inside the buffer (the sanitizers watch).
        const Bytes good = Riff({FmtChunk(1, 1, 22050, 16), DataChunk(64, 64)});
        for (std::size_t n = 0; n <= good.size(); ++n) {
            const Bytes cut(good.begin(), good.begin() + std::ptrdiff_t(n));
            if (const auto pcm = Parse(cut))
                QVERIFY(pcm->samples.data() + pcm->samples.size() <= cut.data() + cut.size());
        }
        QRandomGenerator rng(5);
        for (int round = 0; round < 2000; ++round) {
            Bytes b = good;
            for (int k = 0; k < 3; ++k)
                b[rng.bounded(quint32(b.size()))] = std::uint8_t(rng.bounded(256));
            if (const auto pcm = Parse(b)) {
                QVERIFY(pcm->samples.data() >= b.data());
                QVERIFY(pcm->samples.data() + pcm->samples.size() <= b.data() + b.size());
                QCOMPARE(pcm->samples.size() % std::size_t(pcm->frameBytes()), std::size_t(0));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestWavReader)
#include "tst_wavreader.moc"
