// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Keeps two of this user's running copies from using one folder's goals at once: an advisory
// lock, held while this object lives, on a file named after the folder's device and inode in the
// user's own run-time folder. Another user can neither take nor hold it. The system drops it
// when the process dies, so a killed copy leaves nothing stale behind.
class FileLock final {
public:
    explicit FileLock(std::string directory);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    enum class Result { Held, HeldElsewhere, Unsupported };

    // Takes the lock if no other copy holds it. Unsupported: there is no run-time folder, or the
    // goals' folder cannot be looked at, so nothing can be told about other copies.
    Result TryLock();
    [[nodiscard]] bool IsHeld() const { return m_fd != -1; }
    void Unlock();
    // The folder's device and inode in hex, "803_1a2b": the same for every path to it, and never
    // a name another folder has at the same time. Empty when the folder cannot be looked at.
    [[nodiscard]] static std::string FolderKey(const std::string& directory);

private:
    std::string m_directory;
    int m_fd = -1;
    int m_folderFd = -1;
};
