#include "storage/SaveWorker.h"

SaveWorker::SaveWorker(Save save, Done done)
    : m_save(std::move(save)), m_done(std::move(done)), m_thread([this] { Run(); }) {}

SaveWorker::~SaveWorker() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void SaveWorker::Submit(GoalList goals, std::string userName, bool asked) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_pending)
            asked = asked || m_pending->asked;
        m_pending = Job{std::move(goals), std::move(userName), asked};
    }
    m_changed.notify_all();
}

void SaveWorker::Wait() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_busy; });
}

void SaveWorker::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return; // stopping, with nothing left to write
        Job job = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        GoalFile::SaveResult result = m_save(job.goals, job.userName, job.asked);
        m_done(std::move(result), job.asked);
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}
