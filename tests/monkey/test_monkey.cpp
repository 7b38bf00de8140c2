// SPDX-License-Identifier: MIT
// The monkey test: seeded random walks of user actions over the whole program, each
// action followed by the model's checks; and the resident memory of a long walk.
//
//   test_monkey [-seed N[,N...]] [-actions N] [QtTest options]
//   KOLVANE_MONKEY_SEED=N[,N...] KOLVANE_MONKEY_ACTIONS=N test_monkey
//
// Without either, two walks of 10,000 actions run: seed 1 under a decimal comma and
// seed 2 under a decimal point. A failure names its seed and step; running the same
// seed with that step as the action count stops right after the failing action.
#include "tests/monkey/monkey.h"
#include "tests/support/resident.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kolvane;
using namespace kolvane::test;

namespace {

QList<std::uint64_t> Seeds = {1, 2};
std::int64_t Actions = 10000;

QString Report(const Monkey& monkey)
{
    return monkey.failure() + QStringLiteral("\n  last actions:\n    ") +
           monkey.recent().join(QStringLiteral("\n    "));
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void walk_data();
    void walk();
    void residentMemory();
};

void MonkeyTest::walk_data()
{
    QTest::addColumn<quint64>("seed");
    for (const std::uint64_t seed : Seeds)
        QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << quint64(seed);
}

void MonkeyTest::walk()
{
    QFETCH(quint64, seed);
    AppHost host;
    Monkey monkey(host, seed);
    const bool ran = monkey.run(Actions);
    const bool clean = monkey.finish();
    if (!ran || !clean)
        QFAIL(qPrintable(Report(monkey)));
    QCOMPARE(monkey.steps(), Actions);
    qInfo("seed %llu: %lld actions; %s", static_cast<unsigned long long>(seed), static_cast<long long>(Actions),
          qPrintable(monkey.tally()));
}

// Resident memory after a warm-up of 10,000 actions and after KOLVANE_MONKEY_MEMORY
// actions more (100,000 when it is set without a number) grows by less than 1 MiB.
void MonkeyTest::residentMemory()
{
    const QByteArray setting = qgetenv("KOLVANE_MONKEY_MEMORY");
    if (setting.isNull())
        QSKIP("set KOLVANE_MONKEY_MEMORY (an action count, default 100000) to measure");
    const std::int64_t measured = setting.toLongLong() > 1000 ? setting.toLongLong() : 100000;
    // The windows' caches (glyphs, layouts, what assistive tools have asked about) fill
    // over the walk's first few thousand actions, by about 1 MiB, and then stay level:
    // the first figure comes after them, so the growth after it is what the actions keep.
    constexpr std::int64_t WarmUp = 10000;
    const std::int64_t total = WarmUp + measured;
    AppHost host;
    Monkey monkey(host, Seeds.front());
    // The tour meets every rare path once, and random texts keep to a fixed set of
    // characters: every glyph the toolkit will cache has been drawn before the first figure.
    monkey.setBoundedText(true);
    QVERIFY2(monkey.tour(), qPrintable(Report(monkey)));
    QVERIFY2(monkey.steps() < 1000, "the tour takes more than the first thousand actions");
    QVERIFY2(monkey.run(WarmUp), qPrintable(Report(monkey)));
    const long early = ResidentKiB();
    QVERIFY(early > 0);
    // Intermediate figures show whether any growth levels off or keeps climbing.
    QString series = QStringLiteral("%1: %2 KiB").arg(WarmUp).arg(early) + ResidentParts();
    for (std::int64_t next = WarmUp + 10000; next < total; next += 10000) {
        QVERIFY2(monkey.run(next), qPrintable(Report(monkey)));
        series += QStringLiteral(", %1: %2").arg(next).arg(ResidentKiB()) + ResidentParts();
    }
    QVERIFY2(monkey.run(total), qPrintable(Report(monkey)));
    const long late = ResidentKiB();
    QVERIFY2(monkey.finish(), qPrintable(Report(monkey)));
    series += QStringLiteral(", %1: %2").arg(total).arg(late) + ResidentParts();
    // Printed past the test log's cap on messages, so the figures always show.
    std::printf("seed %llu resident memory: %s; growth %ld KiB\n", static_cast<unsigned long long>(Seeds.front()),
                qPrintable(series), late - early);
    std::fflush(stdout);
    QVERIFY2(late - early < 1024, qPrintable(QStringLiteral("resident memory grew by %1 KiB").arg(late - early)));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTEST_DISABLE_KEYPAD_NAVIGATION
    app.setAttribute(Qt::AA_Use96Dpi, true);

    const auto parseSeeds = [](const QString& list) {
        QList<std::uint64_t> seeds;
        for (const QString& s : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
            seeds.append(s.trimmed().toULongLong());
        return seeds;
    };
    if (qEnvironmentVariableIsSet("KOLVANE_MONKEY_SEED"))
        Seeds = parseSeeds(qEnvironmentVariable("KOLVANE_MONKEY_SEED"));
    if (qEnvironmentVariableIsSet("KOLVANE_MONKEY_ACTIONS"))
        Actions = qEnvironmentVariable("KOLVANE_MONKEY_ACTIONS").toLongLong();

    // Our own options come out before QtTest reads the rest.
    QStringList args;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] == QStringLiteral("-seed") && i + 1 < all.size())
            Seeds = parseSeeds(all[++i]);
        else if (all[i] == QStringLiteral("-actions") && i + 1 < all.size())
            Actions = all[++i].toLongLong();
        else
            args << all[i];
    }
    if (Seeds.isEmpty() || Actions < 1) {
        qCritical("test_monkey: give at least one seed and a positive action count");
        return 2;
    }
    MonkeyTest test;
    return QTest::qExec(&test, args);
}

#include "test_monkey.moc"
