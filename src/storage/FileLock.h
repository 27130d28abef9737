#pragma once

#include <string>

// An advisory lock on a directory, held while this object lives. The system drops it when the
// process dies, so a killed copy leaves nothing stale behind.
class FileLock final {
public:
    static constexpr const char* kLockFileName = ".ordalune.lock";

    explicit FileLock(std::string directory);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    enum class Result { Held, HeldElsewhere, Unsupported };

    // Takes the lock if nobody holds it: on the directory itself, or where the directory cannot
    // be opened for reading, on a lock file inside it. Unsupported: neither can be locked, so
    // nothing can be told about other copies.
    Result TryLock();
    [[nodiscard]] bool IsHeld() const { return m_fd >= 0; }
    void Unlock();

private:
    Result Lock(int fd);

    std::string m_directory;
    int m_fd = -1;
};
