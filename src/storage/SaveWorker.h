#pragma once

#include "model/GoalList.h"
#include "storage/GoalFile.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Saves the goals on a thread of its own, one save at a time, so a slow disk never holds up the
// window. Each save works on a copy of the goals taken when it was asked for; a copy still
// waiting when a newer one comes is replaced by it, since only the newest goals need writing.
class SaveWorker final {
public:
    using Save = std::function<GoalFile::SaveResult(const GoalList&, const std::string&, bool asked)>;
    // Called on the worker's thread with each save's result.
    using Done = std::function<void(GoalFile::SaveResult, bool asked)>;

    SaveWorker(Save save, Done done);
    // Finishes the save in flight and the one waiting, if any.
    ~SaveWorker();
    SaveWorker(const SaveWorker&) = delete;
    SaveWorker& operator=(const SaveWorker&) = delete;

    // Queues a save of `goals`. A save the user asked for stays asked for when a newer copy
    // replaces it.
    void Submit(GoalList goals, std::string userName, bool asked = false);
    // Returns once no save is waiting or under way.
    void Wait();

private:
    struct Job {
        GoalList goals;
        std::string userName;
        bool asked = false;
    };

    void Run();

    Save m_save;
    Done m_done;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Job> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread; // last: starts once everything it reads exists
};
