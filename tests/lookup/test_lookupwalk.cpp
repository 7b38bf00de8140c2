// SPDX-License-Identifier: MIT
// A random walk through the Look up window as a user meets it: typing and pasting
// anything, switching between resistors and capacitors, choosing the parts, Show on
// page, closing and opening again. Every step keeps the window's promises. With
// KOLVANE_MONKEY_MEMORY set it also measures the resident memory over 100,000 steps,
// which CTest runs as test_lookupwalk_memory: the window must not grow as it is used.
#include "lookupwindow.h"
#include "tests/support/apphost.h"
#include "tests/support/resident.h"
#include "tests/support/modalwatch.h"

#include <QComboBox>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

namespace {

// Whole texts a user types, and pieces that make rubbish when glued together.
const QStringList Texts = {QStringLiteral("4K7"),
                           QStringLiteral("01C"),
                           QStringLiteral("104"),
                           QStringLiteral("10R"),
                           QStringLiteral("6.4k"),
                           QStringLiteral("4.7e3"),
                           QStringLiteral("4n7"),
                           QStringLiteral("0.47"),
                           QStringLiteral("yellow violet red gold"),
                           QStringLiteral("brown black black red brown"),
                           QStringLiteral("gray purple black")};
const QString Pieces = QStringLiteral("0123456789kKmMRnpu.,e -\u00b5\u202e<>&");

class Walk {
public:
    Walk(AppHost& host, quint64 seed) : m_host(host), m_random(seed) {}

    // One step; false, with `failure` said, when a promise is broken.
    bool step()
    {
        LookupWindow* w = m_host.main().findChild<LookupWindow*>();
        if (!w || !w->isVisible() || pick(20) == 0) {
            m_host.main().openLookup(pick(3) == 0 ? std::optional<QString>(randomText()) : std::nullopt);
            w = m_host.main().findChild<LookupWindow*>();
        }
        auto* field = w->findChild<QLineEdit*>();
        auto* readings = w->findChild<QListWidget*>();
        switch (pick(10)) {
        case 0: w->findChildren<QAbstractButton*>().at(int(pick(2)))->click(); break;
        case 1: {
            auto* most = w->findChildren<QComboBox*>().at(1);
            const int index = int(pick(3));
            most->setCurrentIndex(index);
            emit most->activated(index);
            break;
        }
        case 2: {
            // Show on page: the button offers only what the page shows, so no box.
            ModalWatch boxes;
            QTest::keyClick(field, Qt::Key_Return);
            QCoreApplication::processEvents();
            if (!boxes.boxes().empty())
                return fail(QStringLiteral("a box for \"%1\": %2").arg(field->text(), boxes.boxes().front().text));
            break;
        }
        case 3: w->close(); break;
        case 4: readings->setCurrentRow(int(pick(std::uint32_t(readings->count() + 1))) - 1); break;
        default: field->setText(randomText()); break;
        }
        if (w->isVisible() && !field->text().trimmed().isEmpty() && readings->count() == 0)
            return fail(QStringLiteral("no item for \"%1\"").arg(field->text()));
        if (w->isVisible() && readings->count() > int(w->readings().size()) && w->readings().size() > 0)
            return fail(QStringLiteral("more items than readings for \"%1\"").arg(field->text()));
        // The finder's answers arrive between steps, as they do while a user types.
        QCoreApplication::processEvents();
        return true;
    }

    bool run(std::int64_t until)
    {
        for (; m_steps < until; ++m_steps)
            if (!step())
                return false;
        return true;
    }

    // Waits for the finder's last answer, as the window would before closing.
    void settle()
    {
        LookupWindow* w = m_host.main().findChild<LookupWindow*>();
        while (w && w->isFinding())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    const QString& failure() const { return m_failure; }

private:
    std::uint32_t pick(std::uint32_t n) { return m_random.bounded(n); }
    QString randomText()
    {
        if (pick(2) == 0)
            return Texts.at(int(pick(std::uint32_t(Texts.size()))));
        QString text;
        for (std::uint32_t i = 0, n = pick(8); i < n; ++i)
            text += Pieces.at(int(pick(std::uint32_t(Pieces.size()))));
        return text;
    }
    bool fail(const QString& why)
    {
        m_failure = QStringLiteral("step %1: %2").arg(m_steps).arg(why);
        return false;
    }

    AppHost& m_host;
    QRandomGenerator m_random;
    std::int64_t m_steps = 0;
    QString m_failure;
};

} // namespace

class LookupWalkTest : public QObject {
    Q_OBJECT
private slots:
    void walk();
    void residentMemory();
};

void LookupWalkTest::walk()
{
    AppHost host;
    Walk walk(host, 7);
    QVERIFY2(walk.run(3000), qPrintable(walk.failure()));
    walk.settle();
}

void LookupWalkTest::residentMemory()
{
    const QByteArray setting = qgetenv("KOLVANE_MONKEY_MEMORY");
    if (setting.isNull())
        QSKIP("set KOLVANE_MONKEY_MEMORY (a step count, default 100000) to measure");
    const std::int64_t total = setting.toLongLong() > 1000 ? setting.toLongLong() : 100000;
    AppHost host;
    Walk walk(host, 11);
    QVERIFY2(walk.run(1000), qPrintable(walk.failure()));
    walk.settle();
    const long early = ResidentKiB();
    // Intermediate figures show whether any growth levels off or keeps climbing.
    QString series = QStringLiteral("1000: %1 KiB").arg(early) + ResidentParts();
    for (std::int64_t next = 10000; next < total; next += 10000) {
        QVERIFY2(walk.run(next), qPrintable(walk.failure()));
        series += QStringLiteral(", %1: %2").arg(next).arg(ResidentKiB()) + ResidentParts();
    }
    QVERIFY2(walk.run(total), qPrintable(walk.failure()));
    walk.settle();
    const long late = ResidentKiB();
    series += QStringLiteral(", %1: %2").arg(total).arg(late);
    std::printf("look up walk resident memory: %s; growth %ld KiB\n", qPrintable(series), late - early);
    std::fflush(stdout);
    QVERIFY2(late - early < 1024, qPrintable(QStringLiteral("resident memory grew by %1 KiB").arg(late - early)));
}

QTEST_MAIN(LookupWalkTest)
#include "test_lookupwalk.moc"
