// SPDX-License-Identifier: MIT
#include "newestsearch.h"

#include <QtConcurrent/QtConcurrentRun>

namespace kolvane {

NewestSearch::NewestSearch(std::function<void(const Answer&)> answer) : m_answer(std::move(answer))
{
    QObject::connect(&m_worker, &QFutureWatcher<Answer>::finished, &m_worker, [this] { finished(); });
}

NewestSearch::~NewestSearch()
{
    m_worker.disconnect();
    m_worker.waitForFinished();
}

void NewestSearch::request(Search search)
{
    ++m_generation;
    m_waiting = std::move(search);
    if (!m_running)
        startWaiting();
}

void NewestSearch::cancel()
{
    ++m_generation;
    m_waiting.reset();
}

void NewestSearch::startWaiting()
{
    if (!m_waiting)
        return;
    Search search = std::move(*m_waiting);
    m_waiting.reset();
    m_runningGeneration = m_generation;
    m_running = true;
    m_worker.setFuture(QtConcurrent::run(std::move(search)));
}

void NewestSearch::finished()
{
    m_running = false;
    // A stale answer makes way for the search that waited.
    if (m_runningGeneration == m_generation)
        m_answer(m_worker.result());
    startWaiting();
}

} // namespace kolvane
