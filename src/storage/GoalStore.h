// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GoalList.h"
#include "storage/GoalFile.h"
#include "storage/GoalFileText.h"
#include "storage/JournalRecorder.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>

// The one way to the goal file: loads and saves are carried out on a thread of the store's own,
// one at a time and in the order they were asked for, so a slow disk never holds up the window
// and no two threads ever touch the file. Each save writes the goal file's text as it was when
// the save was asked for (GoalFileText); a save still waiting when a newer one comes is replaced
// by it, since only the newest goals need writing.
class GoalStore final {
public:
    struct Loaded {
        GoalList goals;
        std::string userName;
        GoalFile::LoadResult result;
        GoalFileText text; // the goals' text, made here so the window's thread need not
    };
    // Called on the store's thread once the job is done.
    using LoadDone = std::function<void(Loaded)>;
    using SaveDone = std::function<void(GoalFile::SaveResult)>;

    // The goal file lives in `directory`; empty means the current directory.
    explicit GoalStore(std::string directory = {});
    // Finishes the job under way and every one waiting.
    ~GoalStore();
    GoalStore(const GoalStore&) = delete;
    GoalStore& operator=(const GoalStore&) = delete;

    void Load(LoadDone done);
    // Queues a save. A save the user asked for stays asked for when a newer copy replaces it, and
    // every caller waiting on a replaced save is told of the newer one's result.
    void Save(std::string text, bool asked, SaveDone done = {});
    // The same, waiting for the result: at start, before the window shows, and at exit.
    [[nodiscard]] Loaded LoadNow();
    // A load whose result is taken later.
    [[nodiscard]] std::future<Loaded> LoadLater();
    [[nodiscard]] GoalFile::SaveResult SaveNow(std::string text);
    // Returns once every job asked for so far is done.
    void Flush();
    // Writes to the journal of time spent, in order with the saves, when this copy owns the goals.
    // What the user must be told of the journal goes to `told`, on the store's thread.
    void Record(std::function<void(JournalRecorder&)> work);
    // Until this is called, journal work waits: the journal opens once the window is up, so it
    // never holds up the start.
    void StartJournal();
    void SetJournalTold(std::function<void(std::vector<UserMessage>)> told);
    // At exit: every journal write asked for is tried until `wait` has passed; what could not be
    // written comes back: each run not recorded.
    [[nodiscard]] std::vector<JournalRecorder::LostRun> FinishJournal(std::chrono::milliseconds wait);

    // False while another running copy holds these goals; as of the last job done.
    [[nodiscard]] bool OwnsGoals() const { return m_owns.load(); }
    [[nodiscard]] std::string Path(const std::string& name) const { return m_pathPrefix + name; }

private:
    struct Job {
        enum class Kind { Load, Save, Flush, Record } kind = Kind::Save;
        std::string text;
        bool asked = false;
        std::vector<SaveDone> saved;
        LoadDone loaded;
        std::function<void()> flushed;
        std::function<void(JournalRecorder&)> record;
    };

    void Run();
    void Queue(Job job);
    void Record(Job& job);

    const std::string m_pathPrefix;
    GoalFile m_file; // only the store's thread touches it and the journal once the thread runs
    JournalRecorder m_journal;
    std::function<void(std::vector<UserMessage>)> m_journalTold;
    std::atomic<bool> m_owns{true};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Job> m_jobs;
    std::deque<Job> m_heldRecords; // journal work asked for before the journal was started
    bool m_journalStarted = false;
    bool m_stopping = false;
    std::thread m_thread; // last: starts once everything it reads exists
};
