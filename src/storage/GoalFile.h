// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GoalList.h"
#include "storage/FileLock.h"
#include "storage/UserMessage.h"

#include <string>
#include <sys/stat.h>
#include <vector>

// The goal file "Ordalune.cdf" with its backup "ordalune.bak": the user's name and goals between
// runs. Saves are crash-safe: at every moment a complete goal file exists, holding the last or the
// previous save. The copy of the program that loads first holds a lock on the folder; any other
// copy shows the goals but never writes them.
class GoalFile final {
public:
    static constexpr const char* kFileName = "Ordalune.cdf";
    static constexpr const char* kBackupName = "ordalune.bak";
    static constexpr const char* kAskName = "Please enter your name";

    struct LoadResult {
        std::vector<UserMessage> messages; // to show in this order
        bool askUserName = false;          // open the user-name dialog once the program runs
    };

    struct SaveResult {
        // NotOwner: another copy holds the goals. Held back: the goal file could not be read, or
        // (for an automatic save) no lock could be had, so it is not written over.
        enum class Status { Saved, Failed, NotOwner, HeldBack };
        Status status = Status::Saved;
        std::vector<UserMessage> messages;
        std::string detail; // the system's words for a failure
    };

    // The files live in `directory`; empty means the current directory.
    explicit GoalFile(std::string directory = {});

    // Adds the file's goals after those already in `list`, selects the first item, sets
    // `userName`. Never throws: what went wrong comes back as messages.
    [[nodiscard]] LoadResult LoadGoals(GoalList& list, std::string& userName);
    // Writes every goal of `list` and the user name; the previous file becomes the backup. A save
    // the user asked for explains why nothing was written; an automatic one stays quiet.
    [[nodiscard]] SaveResult SaveGoals(const GoalList& list, const std::string& userName, bool asked = false);
    // The same with the file's text made already (GoalFileText). An automatic save of the text
    // this copy wrote last, over a file nobody has touched since, writes nothing.
    [[nodiscard]] SaveResult SaveText(std::string text, bool asked = false);

    // False while another running copy holds these goals.
    [[nodiscard]] bool OwnsGoals() const { return !m_readOnly; }
    [[nodiscard]] bool HasBackup() const;
    [[nodiscard]] std::string Path(const std::string& name) const;

    // Reads one file into the list, and nothing else: no lock, no backup, nothing moved. Returns
    // the refusal (an English text marked in context "GoalFile") when the file is not a goal file,
    // else null; throws CFileException when it cannot be read.
    static const char* ReadGoals(const std::string& path, GoalList& list, std::string& userName);

private:
    // Puts a refused file where no save reaches it; false when it could not be moved.
    bool KeepRefusedFile();
    // Puts `newFile` in place of the goal file `goal`; returns the backup failure's text, if any.
    std::string ReplaceGoalFile(const std::string& newFile, const std::string& goal);

    // The last text written and the file it went to, as it was then.
    struct Written {
        std::string text;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = -1;
        timespec modified{};
        static Written Of(const std::string& path, std::string text);
        [[nodiscard]] bool Still(const std::string& path) const;
    };

    std::string m_directory;
    FileLock m_lock;
    bool m_readOnly = false;
    bool m_unlocked = false;   // no lock of any kind: saves only when asked
    bool m_unreadable = false; // the goal file exists but could not be read
    bool m_backupWarned = false;
    std::string m_refusedPath; // a refused file still waiting to be moved aside
    std::string m_keptAs;
    Written m_written;
};
