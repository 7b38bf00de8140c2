// SPDX-License-Identifier: MIT
// The newest search wins: searches run on a worker thread one at a time, a search asked
// for while one runs waits, only the newest waiting one runs next, and an answer is
// handed on only when nothing newer was asked for since its own search.
#pragma once

#include "combinationfinder.h"

#include <QFutureWatcher>

#include <functional>
#include <optional>
#include <vector>

namespace kolvane {

class NewestSearch {
public:
    using Answer = std::vector<Combination>;
    using Search = std::function<Answer()>;

    // `answer` runs on the owner's thread with the answer of the newest search.
    explicit NewestSearch(std::function<void(const Answer&)> answer);
    // A search still running finishes on its worker first; its answer goes nowhere.
    ~NewestSearch();
    NewestSearch(const NewestSearch&) = delete;
    NewestSearch& operator=(const NewestSearch&) = delete;

    // Runs `search` as soon as the worker is free, instead of any search still waiting.
    void request(Search search);
    // No answer of a search asked for until now is handed on.
    void cancel();
    // A search runs or waits, or an answer is not yet handed on.
    bool isBusy() const { return m_running || m_waiting.has_value(); }

private:
    void startWaiting();
    void finished();

    std::function<void(const Answer&)> m_answer;
    QFutureWatcher<Answer> m_worker;
    std::optional<Search> m_waiting;
    int m_generation = 0;
    int m_runningGeneration = -1;
    // Set from a search's start until its answer has been taken, which comes after the
    // worker itself has finished.
    bool m_running = false;
};

} // namespace kolvane
