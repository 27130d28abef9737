#include "storage/FileLock.h"

#include "storage/RuntimeDir.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock::FileLock(std::string directory) : m_directory(directory.empty() ? "." : std::move(directory)) {}

FileLock::~FileLock() { Unlock(); }

FileLock::Result FileLock::TryLock() {
    if (m_fd >= 0)
        return Result::Held;
    struct stat folder {};
    const std::string runtime = RuntimeDir();
    if (runtime.empty() || stat(m_directory.c_str(), &folder) != 0)
        return Result::Unsupported;
    char name[64];
    std::snprintf(name, sizeof name, "/ordalune-%llx-%llx.lock",
                  static_cast<unsigned long long>(folder.st_dev),
                  static_cast<unsigned long long>(folder.st_ino));
    const int fd = open((runtime + name).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return Result::Unsupported;
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
