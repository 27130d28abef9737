// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/JournalTrust.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

// A group of the user's own (Debian gives each user one of their name): its write bit lets no one
// else in.
bool OwnGroup(gid_t gid) {
    std::vector<char> buffer(16384);
    group entry{};
    group* found = nullptr;
    passwd user{};
    passwd* me = nullptr;
    std::vector<char> userBuffer(16384);
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        getpwuid_r(geteuid(), &user, userBuffer.data(), userBuffer.size(), &me) != 0 || me == nullptr ||
        me->pw_gid != gid || std::strcmp(found->gr_name, me->pw_name) != 0)
        return false;
    for (char** member = found->gr_mem; *member != nullptr; ++member)
        if (std::strcmp(*member, me->pw_name) != 0)
            return false;
    return true;
}

std::string GroupName(gid_t gid) {
    std::vector<char> buffer(16384);
    group entry{};
    group* found = nullptr;
    return getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr
               ? found->gr_name
               : std::to_string(gid);
}

std::string UserName(uid_t uid) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    return getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr
               ? found->pw_name
               : std::to_string(uid);
}

// Whether the folder's access control list lets a named user or group other than the user's own
// write: the list as the kernel keeps it, a version word and then entries of tag, permissions, id.
bool AclLetsOthersWrite(const std::string& folder) {
    std::uint8_t acl[4096];
    const ssize_t size = getxattr(folder.c_str(), "system.posix_acl_access", acl, sizeof acl);
    if (size < 4)
        return false;
    constexpr std::uint16_t kUser = 0x02, kGroup = 0x08, kMask = 0x10, kWrite = 0x02;
    bool maskWrites = true;
    bool named = false;
    for (ssize_t at = 4; at + 8 <= size; at += 8) {
        std::uint16_t tag = 0, permissions = 0;
        std::uint32_t id = 0;
        std::memcpy(&tag, acl + at, 2);
        std::memcpy(&permissions, acl + at + 2, 2);
        std::memcpy(&id, acl + at + 4, 4);
        if (tag == kMask)
            maskWrites = (permissions & kWrite) != 0;
        else if ((tag == kUser && id != geteuid()) || (tag == kGroup && !OwnGroup(id)))
            named = named || (permissions & kWrite) != 0;
    }
    return named && maskWrites;
}

bool Trusted(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Why a file is not trusted: the journal itself, or (named) the file beside it.
UserMessage::Part Untrusted(const struct stat& info, const std::string& beside = {}) {
    const bool it = beside.empty();
    if (!S_ISREG(info.st_mode))
        return it ? UserMessage::Part{"JournalTrust",
                                      ORDALUNE_TRANSLATE("JournalTrust", "it is not a regular file")}
                  : UserMessage::Part{
                        "JournalTrust",
                        ORDALUNE_TRANSLATE("JournalTrust", "the file beside it, %1, is not a regular file"),
                        {beside}};
    if (info.st_uid != geteuid())
        return it ? UserMessage::Part{"JournalTrust",
                                      ORDALUNE_TRANSLATE("JournalTrust", "it belongs to the user %1"),
                                      {UserName(info.st_uid)}}
                  : UserMessage::Part{
                        "JournalTrust",
                        ORDALUNE_TRANSLATE("JournalTrust", "the file beside it, %1, belongs to the user %2"),
                        {beside, UserName(info.st_uid)}};
    return it ? UserMessage::Part{"JournalTrust",
                                  ORDALUNE_TRANSLATE("JournalTrust", "others can write to it")}
              : UserMessage::Part{
                    "JournalTrust",
                    ORDALUNE_TRANSLATE("JournalTrust", "the file beside it, %1, can be written by others"),
                    {beside}};
}

// The name a damaged journal is given when it is set aside, after the local time; the `n`th of
// that second when others were set aside in it.
std::string DamagedName(std::int64_t now, int n) {
    const auto time = static_cast<std::time_t>(now);
    std::tm local{};
    localtime_r(&time, &local);
    char name[64];
    std::strftime(name, sizeof name, "ordalune-history.damaged-%Y%m%d-%H%M%S", &local);
    return std::string(name) + (n > 1 ? "-" + std::to_string(n) : std::string()) + ".sqlite";
}

// Renames `from` to `to` unless something is there already.
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) // a file system that cannot refuse to replace
        return false;
    return link(from.c_str(), to.c_str()) == 0 && unlink(from.c_str()) == 0;
}

void SyncFolder(const std::string& folder) {
    if (const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

void JournalTrust::Create(const std::string& path, const std::string& folder) {
    if (const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        fd >= 0) {
        close(fd);
        SyncFolder(folder);
    }
}

std::string JournalTrust::SetAside(const std::string& path, const std::string& directory, std::int64_t now) {
    for (int n = 1; n <= 100; ++n) { // never over one set aside before
        const std::string aside = DamagedName(now, n);
        if (RenameNoReplace(path, directory + aside)) {
            std::remove((path + "-journal").c_str()); // belonged to the damaged file
            SyncFolder(directory.empty() ? "." : directory);
            return aside;
        }
        if (errno != EEXIST)
            break;
    }
    return {};
}

std::optional<UserMessage::Part> JournalTrust::OthersCanWrite(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0)
        return {};
    if ((info.st_mode & S_IWOTH) != 0)
        return UserMessage::Part{"JournalTrust", ORDALUNE_TRANSLATE("JournalTrust", "everyone")};
    if ((info.st_mode & S_IWGRP) != 0 && !OwnGroup(info.st_gid))
        return UserMessage::Part{
            "JournalTrust", ORDALUNE_TRANSLATE("JournalTrust", "the group %1"), {GroupName(info.st_gid)}};
    // Whatever its mode says, a folder's owner can give themselves the right to write at will.
    if (info.st_uid != geteuid() && info.st_uid != 0)
        return UserMessage::Part{
            "JournalTrust", ORDALUNE_TRANSLATE("JournalTrust", "the user %1"), {UserName(info.st_uid)}};
    if (AclLetsOthersWrite(folder))
        return UserMessage::Part{"JournalTrust",
                                 ORDALUNE_TRANSLATE("JournalTrust", "an access control list")};
    return {};
}

JournalTrust::Checked JournalTrust::Open(const std::string& path) {
    Checked checked;
    // Non-blocking, so a FIFO is refused at once instead of waited on.
    checked.fd = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (checked.fd < 0) {
        checked.missing = errno == ENOENT;
        if (!checked.missing)
            checked.refusal =
                errno == EISDIR
                    ? UserMessage::Part{"JournalTrust",
                                        ORDALUNE_TRANSLATE("JournalTrust", "it is not a regular file")}
                : errno == ELOOP
                    ? UserMessage::Part{"JournalTrust",
                                        ORDALUNE_TRANSLATE("JournalTrust",
                                                           "it is a symbolic link, which is never followed")}
                    : UserMessage::Part{"", "%1", {std::strerror(errno)}};
        return checked;
    }
    struct stat info {};
    if (fstat(checked.fd, &info) != 0 || !Trusted(info)) {
        checked.refusal = Untrusted(info);
        close(checked.fd);
        checked.fd = -1;
        return checked;
    }
    if ((info.st_mode & (S_IRGRP | S_IROTH)) != 0) // the user's days are the user's own
        fchmod(checked.fd, info.st_mode & 0700);
    return checked;
}

std::optional<UserMessage::Part> JournalTrust::CheckRollback(const std::string& path) {
    struct stat info {};
    const std::string rollback = path + "-journal";
    if (lstat(rollback.c_str(), &info) != 0)
        return errno == ENOENT
                   ? std::nullopt
                   : std::optional(UserMessage::Part{"", "%1: %2", {rollback, std::strerror(errno)}});
    const std::size_t slash = rollback.rfind('/');
    if (Trusted(info))
        return std::nullopt;
    return Untrusted(info, slash == std::string::npos ? rollback : rollback.substr(slash + 1));
}

bool JournalTrust::StillNames(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return fstat(fd, &open) == 0 && lstat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}
