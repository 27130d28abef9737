// SPDX-License-Identifier: GPL-3.0-or-later
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
    const std::string runtime = RuntimeDir();
    // Held open while locked, so the folder's inode is never given to another folder meanwhile.
    const int folderFd = open(m_directory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat folder {};
    if (runtime.empty() || folderFd < 0 || fstat(folderFd, &folder) != 0) {
        if (folderFd >= 0)
            close(folderFd);
        return Result::Unsupported;
    }
    char name[64];
    std::snprintf(name, sizeof name, "/ordalune-%llx-%llx.lock",
                  static_cast<unsigned long long>(folder.st_dev),
                  static_cast<unsigned long long>(folder.st_ino));
    const int fd = open((runtime + name).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    const bool locked = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool busy = fd >= 0 && !locked && errno == EWOULDBLOCK;
    if (!locked) {
        if (fd >= 0)
            close(fd);
        close(folderFd);
        return busy ? Result::HeldElsewhere : Result::Unsupported;
    }
    m_fd = fd;
    m_folderFd = folderFd;
    return Result::Held;
}

std::string FileLock::FolderKey(const std::string& directory) {
    struct stat folder {};
    if (stat(directory.empty() ? "." : directory.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
        return {};
    char key[48];
    std::snprintf(key, sizeof key, "%llx_%llx", static_cast<unsigned long long>(folder.st_dev),
                  static_cast<unsigned long long>(folder.st_ino));
    return key;
}

void FileLock::Unlock() {
    if (m_fd >= 0) {
        close(m_fd);
        close(m_folderFd);
        m_fd = m_folderFd = -1;
    }
}
