// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FileLock.h"

#include "storage/RuntimeDir.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock::FileLock(std::string directory) : m_directory(directory.empty() ? "." : std::move(directory)) {}

FileLock::~FileLock() { Unlock(); }

namespace {

// The folder's device and inode in lower-case hex, told apart by `separator`. Not through a
// string stream, whose locale machinery would be loaded for it alone.
std::string Key(const struct stat& folder, char separator) {
    const auto hex = [](unsigned long long value) {
        std::array<char, 16> digits{};
        return std::string(digits.data(), std::to_chars(digits.begin(), digits.end(), value, 16).ptr);
    };
    return hex(folder.st_dev) + separator + hex(folder.st_ino);
}

} // namespace

FileLock::Result FileLock::TryLock() {
    if (IsHeld())
        return Result::Held;
    const std::string runtime = RuntimeDir();
    // Held open while locked, so the folder's inode is never given to another folder meanwhile.
    const int folderFd = open(m_directory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat folder {};
    const int fd = !runtime.empty() && fstat(folderFd, &folder) == 0 // fails on a folder not opened
                       ? open((runtime + "/ordalune-" + Key(folder, '-') + ".lock").c_str(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)
                       : -1;
    if (fd == -1 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // Only flock tells of a lock taken: with no run-time folder errno is an earlier call's.
        const bool busy = fd != -1 && errno == EWOULDBLOCK;
        for (const int descriptor : {fd, folderFd})
            if (descriptor != -1)
                close(descriptor);
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
    return Key(folder, '_');
}

void FileLock::Unlock() {
    if (IsHeld()) {
        close(m_fd);
        close(m_folderFd);
        m_fd = m_folderFd = -1;
    }
}
