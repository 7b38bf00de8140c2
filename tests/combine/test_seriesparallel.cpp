// SPDX-License-Identifier: MIT
// The sum and product-over-sum rules against an independent integer computation,
// over the edges of the input square and a dense sample of its inside.
#include "seriesparallel.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstdint>
#include <cstdlib>

using namespace kolvane;

namespace {

const QLocale Comma(QLocale::German, QLocale::Germany);
const QLocale Point = QLocale::c();

// first × second / (first + second) in hundredths, rounded half away from zero,
// computed in exact integers: no floating point anywhere.
QString ExpectedProductOverSum(std::int64_t a, std::int64_t b, QChar separator)
{
    if (a == 0 || b == 0)
        return QStringLiteral("0") + separator + QStringLiteral("00");
    const std::int64_t n = 100 * a * b;
    const std::int64_t s = a + b;
    const bool negative = (n < 0) != (s < 0);
    const std::int64_t an = std::llabs(n), as = std::llabs(s);
    const std::int64_t hundredths = (2 * an + as) / (2 * as);
    return QStringLiteral("%1%2%3%4")
        .arg(negative && hundredths != 0 ? QStringLiteral("-") : QString())
        .arg(hundredths / 100)
        .arg(separator)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

// Reads a sum text back instead of writing it the way the rule does: the whole part
// must be the plain integer sum, followed by the literal ",00".
bool SumTextMeans(const QString& text, std::int64_t a, std::int64_t b)
{
    if (!text.endsWith(QStringLiteral(",00")))
        return false;
    bool ok = false;
    const qlonglong whole = text.chopped(3).toLongLong(&ok);
    return ok && whole == a + b && !text.startsWith(QLatin1Char('+'));
}

} // namespace

class SeriesParallelTest : public QObject {
    Q_OBJECT
private slots:
    void sum_data();
    void sum();
    void productOverSum_data();
    void productOverSum();
    void divisionByZero();
    void edgesOfTheSquare();
    void denseSample();
};

void SeriesParallelTest::sum_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("text");
    QTest::newRow("start values") << 100 << 100 << "200,00";
    QTest::newRow("47+33") << 47 << 33 << "80,00";
    QTest::newRow("largest") << 99999 << 99999 << "199998,00";
    QTest::newRow("zeros") << 0 << 0 << "0,00";
    QTest::newRow("pasted sign") << -9999 << 5 << "-9994,00";
    QTest::newRow("cancelling") << -9999 << 9999 << "0,00";
}

void SeriesParallelTest::sum()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, text);
    QCOMPARE(SumRuleText(first, second), text);
}

void SeriesParallelTest::productOverSum_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("start values") << 100 << 100 << "50,00"
                                  << "50.00";
    QTest::newRow("100 200") << 100 << 200 << "66,67"
                             << "66.67";
    QTest::newRow("1 1") << 1 << 1 << "0,50"
                         << "0.50";
    QTest::newRow("zero first") << 0 << 500 << "0,00"
                                << "0.00";
    QTest::newRow("zero second") << 500 << 0 << "0,00"
                                 << "0.00";
    QTest::newRow("zero and negative") << 0 << -5 << "0,00"
                                       << "0.00";
    QTest::newRow("tie 5.625 up") << 9 << 15 << "5,63"
                                  << "5.63";
    QTest::newRow("tie 0.875 up") << 1 << 7 << "0,88"
                                  << "0.88";
    QTest::newRow("50000 50000") << 50000 << 50000 << "25000,00"
                                 << "25000.00";
    QTest::newRow("largest") << 99999 << 99999 << "49999,50"
                             << "49999.50";
    QTest::newRow("99999 1") << 99999 << 1 << "1,00"
                             << "1.00";
    QTest::newRow("99998 99999") << 99998 << 99999 << "49999,25"
                                 << "49999.25";
    // Negative totals round away from zero too: -9 × 24 / 15 = -14.4 exactly, and
    // -1 × 9 / 8 = -1.125 gives -1.13.
    QTest::newRow("negative") << -9 << 24 << "-14,40"
                              << "-14.40";
    QTest::newRow("negative tie") << -1 << 9 << "-1,13"
                                  << "-1.13";
    // A pasted sign can bring the sum near zero: then 8 significant digits bound
    // the decimals. -9999 × 10029 / 30 = -3342665.7; -9999 × 10001 / 2 is a tie at
    // -49999999.5 that rounds to -50000000.
    QTest::newRow("seven digits") << -9999 << 10029 << "-3342665,70"
                                  << "-3342665.70";
    QTest::newRow("eight digits, tie") << -9999 << 10001 << "-50000000,00"
                                       << "-50000000.00";
    QTest::newRow("sum of one") << -9999 << 10000 << "-99990000,00"
                                << "-99990000.00";
}

void SeriesParallelTest::productOverSum()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(ProductOverSumText(first, second, Comma), std::optional<QString>(comma));
    QCOMPARE(ProductOverSumText(first, second, Point), std::optional<QString>(point));
    // The rule is symmetric in its inputs.
    QCOMPARE(ProductOverSumText(second, first, Comma), std::optional<QString>(comma));
}

void SeriesParallelTest::divisionByZero()
{
    QCOMPARE(ProductOverSumText(-5, 5, Comma), std::nullopt);
    QCOMPARE(ProductOverSumText(9999, -9999, Point), std::nullopt);
    QCOMPARE(DivisionByZeroMessage(), QStringLiteral("Floating point division by zero"));
}

void SeriesParallelTest::edgesOfTheSquare()
{
    const int edges[] = {0, 1, 2, 99998, 99999};
    for (const int edge : edges) {
        for (int other = 0; other <= 99999; ++other) {
            for (const auto& [a, b] : {std::pair{edge, other}, std::pair{other, edge}}) {
                const auto text = ProductOverSumText(a, b, Comma);
                if (!text || *text != ExpectedProductOverSum(a, b, QLatin1Char(',')))
                    QFAIL(qPrintable(QStringLiteral("%1 and %2 gave %3").arg(a).arg(b).arg(text.value_or("nothing"))));
                if (!SumTextMeans(SumRuleText(a, b), a, b))
                    QFAIL(qPrintable(QStringLiteral("sum of %1 and %2 gave %3").arg(a).arg(b).arg(SumRuleText(a, b))));
            }
        }
    }
}

void SeriesParallelTest::denseSample()
{
    // A fixed seed keeps a failure reproducible.
    QRandomGenerator random(20261207);
    for (int i = 0; i < 300000; ++i) {
        const int a = static_cast<int>(random.bounded(100000));
        const int b = static_cast<int>(random.bounded(100000));
        const QLocale& locale = i % 2 ? Comma : Point;
        const QChar separator = i % 2 ? QLatin1Char(',') : QLatin1Char('.');
        const auto text = ProductOverSumText(a, b, locale);
        if (!text || *text != ExpectedProductOverSum(a, b, separator))
            QFAIL(qPrintable(QStringLiteral("%1 and %2 gave %3").arg(a).arg(b).arg(text.value_or("nothing"))));
        if (!SumTextMeans(SumRuleText(a, b), a, b))
            QFAIL(qPrintable(QStringLiteral("sum of %1 and %2").arg(a).arg(b)));
    }
    // Every pair with a small sum, where the quotient's fraction varies fastest.
    for (int a = 1; a <= 300; ++a)
        for (int b = 1; b <= 300; ++b)
            QCOMPARE(ProductOverSumText(a, b, Comma),
                     std::optional<QString>(ExpectedProductOverSum(a, b, QLatin1Char(','))));
}

QTEST_APPLESS_MAIN(SeriesParallelTest)
#include "test_seriesparallel.moc"
