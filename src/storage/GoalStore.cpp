// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/GoalStore.h"

#include "model/CTime.h"

#include <future>

GoalStore::GoalStore(std::string directory)
    : m_pathPrefix(directory.empty() ? std::string() : directory + "/"), m_file(directory),
      m_journal(std::move(directory)), m_thread([this] { Run(); }) {}

GoalStore::~GoalStore() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void GoalStore::Queue(Job job) {
    {
        const std::lock_guard lock(m_mutex);
        if (job.kind == Job::Kind::Save && !m_jobs.empty() && m_jobs.back().kind == Job::Kind::Save) {
            Job& waiting = m_jobs.back(); // not started yet: the newer goals take its place
            waiting.text = std::move(job.text);
            waiting.asked = waiting.asked || job.asked;
            for (SaveDone& done : job.saved)
                waiting.saved.push_back(std::move(done));
        } else {
            m_jobs.push_back(std::move(job));
        }
    }
    m_changed.notify_all();
}

void GoalStore::Load(LoadDone done) {
    Job job;
    job.kind = Job::Kind::Load;
    job.loaded = std::move(done);
    Queue(std::move(job));
}

void GoalStore::Save(std::string text, bool asked, SaveDone done) {
    Job job;
    job.text = std::move(text);
    job.asked = asked;
    if (done)
        job.saved.push_back(std::move(done));
    Queue(std::move(job));
}

GoalStore::Loaded GoalStore::LoadNow() { return LoadLater().get(); }

std::future<GoalStore::Loaded> GoalStore::LoadLater() {
    auto result = std::make_shared<std::promise<Loaded>>();
    Load([result](Loaded loaded) { result->set_value(std::move(loaded)); });
    return result->get_future();
}

GoalFile::SaveResult GoalStore::SaveNow(std::string text) {
    std::promise<GoalFile::SaveResult> result;
    Save(std::move(text), false,
         [&result](GoalFile::SaveResult saved) { result.set_value(std::move(saved)); });
    return result.get_future().get();
}

void GoalStore::Flush() {
    std::promise<void> done;
    Job job;
    job.kind = Job::Kind::Flush;
    job.flushed = [&done] { done.set_value(); };
    Queue(std::move(job));
    done.get_future().get();
}

void GoalStore::Record(std::function<void(JournalRecorder&)> work) {
    Job job;
    job.kind = Job::Kind::Record;
    job.record = std::move(work);
    {
        const std::lock_guard lock(m_mutex);
        if (!m_journalStarted) {
            m_heldRecords.push_back(std::move(job));
            return;
        }
    }
    Queue(std::move(job));
}

void GoalStore::StartJournal() {
    {
        const std::lock_guard lock(m_mutex);
        m_journalStarted = true;
        for (Job& held : m_heldRecords)
            m_jobs.push_back(std::move(held));
        m_heldRecords.clear();
    }
    m_changed.notify_all();
}

std::vector<JournalRecorder::LostRun> GoalStore::FinishJournal(std::chrono::milliseconds wait) {
    {
        // Ended before the journal started: nothing was recorded, and a finish held until a later
        // start would end that journal's runs.
        const std::lock_guard lock(m_mutex);
        if (!m_journalStarted)
            return {};
    }
    // Shared with the job: when this copy keeps no journal, the job is dropped unrun.
    auto lost = std::make_shared<std::promise<std::vector<JournalRecorder::LostRun>>>();
    auto result = lost->get_future();
    Record([lost, until = std::chrono::steady_clock::now() + wait](JournalRecorder& journal) {
        lost->set_value(journal.Finish(until));
    });
    Flush(); // told, also when this copy keeps no journal
    return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready
               ? result.get()
               : std::vector<JournalRecorder::LostRun>();
}

void GoalStore::SetJournalTold(std::function<void(std::vector<UserMessage>)> told) {
    const std::lock_guard lock(m_mutex);
    m_journalTold = std::move(told);
}

void GoalStore::Record(Job& job) {
    if (!m_file.OwnsGoals())
        return; // another copy keeps the goals and their history
    std::vector<UserMessage> told = m_journal.Open(CTime::GetCurrentTime().GetTime());
    job.record(m_journal);
    for (UserMessage& failure : m_journal.TakeFailure())
        told.push_back(std::move(failure));
    std::function<void(std::vector<UserMessage>)> tell;
    {
        const std::lock_guard lock(m_mutex);
        tell = m_journalTold;
    }
    if (!told.empty() && tell)
        tell(std::move(told));
}

void GoalStore::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_jobs.empty() || m_stopping; });
        if (m_jobs.empty())
            return; // stopping, with nothing left to do
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        if (job.kind == Job::Kind::Flush) {
            job.flushed();
        } else if (job.kind == Job::Kind::Record) {
            Record(job);
        } else if (job.kind == Job::Kind::Load) {
            Loaded loaded;
            loaded.result = m_file.LoadGoals(loaded.goals, loaded.userName);
            (void)loaded.text.Of(loaded.goals, loaded.userName);
            m_owns = m_file.OwnsGoals();
            job.loaded(std::move(loaded));
        } else {
            GoalFile::SaveResult result = m_file.SaveText(std::move(job.text), job.asked);
            m_owns = m_file.OwnsGoals();
            for (SaveDone& done : job.saved)
                done(result);
            if (m_journal.Waiting()) { // a lock held elsewhere: tried again with each save
                Job retry;
                retry.record = [](JournalRecorder& journal) { journal.Retry(); };
                Record(retry);
            }
        }
        lock.lock();
    }
}
