// SPDX-License-Identifier: MIT
// The Look up window's scheduling of the finder: one search at a time on a worker,
// only the newest waiting search runs next, and only the newest search's answer is
// handed on, whatever order the worker finishes in.
#include "newestsearch.h"

#include <QSemaphore>
#include <QTest>

#include <atomic>

using namespace kolvane;

namespace {

// Searches that answer with their own number once let go, and count how often each ran.
struct HeldSearches {
    QSemaphore go;
    std::array<std::atomic<int>, 8> runs{};

    NewestSearch::Search search(int number)
    {
        return [this, number] {
            ++runs[static_cast<std::size_t>(number)];
            go.acquire();
            Combination c;
            c.value = number;
            return NewestSearch::Answer{c};
        };
    }
};

} // namespace

class NewestSearchTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheNewestWaitingSearchRuns();
    void aCancelledSearchAnswersNothing();
    void anAnswerMayAskForTheNextSearch();
};

// Typing "1", "10", "100" while the finder works on an earlier text: the running search
// finishes unseen, "10" never runs, and "100" runs and is shown.
void NewestSearchTest::onlyTheNewestWaitingSearchRuns()
{
    HeldSearches held;
    QList<double> answers;
    NewestSearch finder([&](const NewestSearch::Answer& a) { answers << a.front().value; });
    finder.request(held.search(0));
    QTRY_COMPARE(held.runs[0].load(), 1);
    for (int n : {1, 2, 3})
        finder.request(held.search(n));
    QVERIFY(finder.isBusy());
    held.go.release(2);
    QTRY_VERIFY(!finder.isBusy());
    QCOMPARE(answers, QList<double>{3});
    QCOMPARE(held.runs[0].load() + held.runs[1].load() + held.runs[2].load() + held.runs[3].load(), 2);
    QCOMPARE(held.runs[3].load(), 1);
}

// A reading with nothing to search for (a capacitor, unreadable text) cancels: the
// answer still on its way is dropped and nothing waiting runs.
void NewestSearchTest::aCancelledSearchAnswersNothing()
{
    HeldSearches held;
    int answers = 0;
    NewestSearch finder([&](const NewestSearch::Answer&) { ++answers; });
    finder.request(held.search(0));
    finder.request(held.search(1));
    finder.cancel();
    held.go.release(2);
    QTRY_VERIFY(!finder.isBusy());
    QTest::qWait(20);
    QCOMPARE(answers, 0);
    QCOMPARE(held.runs[1].load(), 0);
    // The next request is answered again.
    finder.request(held.search(2));
    held.go.release();
    QTRY_COMPARE(answers, 1);
}

// The window asks for a new search from within an answer (a list refilled, a reading
// selected): that search runs once and is answered.
void NewestSearchTest::anAnswerMayAskForTheNextSearch()
{
    HeldSearches held;
    QList<double> answers;
    NewestSearch* self = nullptr;
    NewestSearch finder([&](const NewestSearch::Answer& a) {
        answers << a.front().value;
        if (answers.size() == 1)
            self->request(held.search(1));
    });
    self = &finder;
    finder.request(held.search(0));
    held.go.release(2);
    QTRY_COMPARE(answers, (QList<double>{0, 1}));
    QTRY_VERIFY(!finder.isBusy());
    QCOMPARE(held.runs[1].load(), 1);
}

QTEST_GUILESS_MAIN(NewestSearchTest)
#include "test_newestsearch.moc"
