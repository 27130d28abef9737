#pragma once

#include <string>

// An advisory lock on a directory, held while this object lives. The system drops it when the
// process dies, so a killed copy leaves nothing stale behind.
class FileLock final {
public:
    explicit FileLock(std::string directory);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    enum class Result { Held, HeldElsewhere, Unsupported };

    // Takes the lock if nobody holds it. Unsupported: the directory cannot be opened or the file
    // system keeps no locks, so nothing can be told about other copies.
    Result TryLock();
    [[nodiscard]] bool IsHeld() const { return m_fd >= 0; }
    void Unlock();

private:
    std::string m_directory;
    int m_fd = -1;
};
