#include "storage/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(std::string directory) : m_directory(directory.empty() ? "." : std::move(directory)) {}

FileLock::~FileLock() { Unlock(); }

FileLock::Result FileLock::TryLock() {
    if (m_fd >= 0)
        return Result::Held;
    int fd = open(m_directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) // a folder that can be written but not read
        fd = open((m_directory + "/" + kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return fd < 0 ? Result::Unsupported : Lock(fd);
}

FileLock::Result FileLock::Lock(int fd) {
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        close(fd);
        return busy ? Result::HeldElsewhere : Result::Unsupported;
    }
    m_fd = fd;
    return Result::Held;
}

void FileLock::Unlock() {
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
}
