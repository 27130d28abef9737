// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/GoalFile.h"

#include "model/GoalName.h"
#include "model/ParseHoursMinutes.h"
#include "storage/CdfFile.h"
#include "storage/GoalFileText.h"
#include "storage/TextCodec.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kVersionKey = GoalFileText::kVersionKey;
constexpr std::string_view kUserKey = GoalFileText::kUserKey;
constexpr int kVersion = GoalFileText::kVersion;

const char* const kNoVersion =
    ORDALUNE_TRANSLATE("GoalFile", "Invalid ORDALUNE.CDF :  No version line found... ignoring rest of file");
const char* const kBadVersion =
    ORDALUNE_TRANSLATE("GoalFile", "Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file");
const char* const kNoUser =
    ORDALUNE_TRANSLATE("GoalFile", "Invalid ORDALUNE.CDF:  No user line found ... ignoring rest of file");

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// Where a goal file that is a symbolic link really lives, so saves reach the file the user linked
// (in a synced folder, say) instead of replacing the link.
std::string LinkTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// What a link names when nothing is there (a synced folder not mounted yet, say); else empty.
std::string MissingTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode) || stat(path.c_str(), &info) == 0 ||
        errno != ENOENT)
        return {};
    char target[PATH_MAX] = {};
    return readlink(path.c_str(), target, sizeof target - 1) > 0 ? target : "?";
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

[[noreturn]] void ThrowErrno(const std::string& path) {
    throw CFileException::FromErrno(errno, path, CFileException::Cause::Generic);
}

// Copies a file byte for byte and flushes the copy to disk, for file systems without hard links.
// False, with nothing left behind, when that cannot be done.
bool CopyFile(const std::string& from, const std::string& to) {
    const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    bool ok = out >= 0;
    char buffer[65536];
    ssize_t n = 0;
    while (ok && (n = read(in, buffer, sizeof buffer)) > 0)
        ok = write(out, buffer, static_cast<std::size_t>(n)) == n;
    ok = ok && n == 0 && fsync(out) == 0;
    close(in);
    if (out >= 0)
        ok = close(out) == 0 && ok;
    if (!ok && out >= 0)
        unlink(to.c_str());
    return ok;
}

// Makes `backup` a copy of `goal`: a hard link where the file system has them, else a flushed copy,
// put in place with one rename. The system's text for the failure, with the old backup untouched,
// when that cannot be done.
std::string BackUp(const std::string& goal, const std::string& backup) {
    const std::string temp = backup + ".new";
    unlink(temp.c_str());
    if (link(goal.c_str(), temp.c_str()) != 0) {
        const bool noLinks =
            errno == EPERM || errno == ENOTSUP || errno == EXDEV || errno == EMLINK || errno == ENOSYS;
        if (!noLinks)
            return std::strerror(errno);
        if (!CopyFile(goal, temp))
            return ORDALUNE_TRANSLATE("UserMessage", "it could not be copied");
    }
    if (rename(temp.c_str(), backup.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        unlink(temp.c_str());
        return reason;
    }
    return {};
}

void SyncDirectory(const std::string& directory) {
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

UserMessage Warning(std::vector<UserMessage::Part> parts) {
    return UserMessage::Of(std::move(parts), {}, UserMessage::Icon::Warning);
}

} // namespace

GoalFile::GoalFile(std::string directory) : m_directory(std::move(directory)), m_lock(m_directory) {}

std::string GoalFile::Path(const std::string& name) const {
    return m_directory.empty() ? name : m_directory + "/" + name;
}

GoalFile::LoadResult GoalFile::LoadGoals(GoalList& list, std::string& userName) {
    LoadResult result;
    userName.clear();
    m_unreadable = false;

    const FileLock::Result lock = m_lock.TryLock();
    m_readOnly = lock == FileLock::Result::HeldElsewhere;
    m_unlocked = lock == FileLock::Result::Unsupported;
    if (m_readOnly)
        result.messages.push_back(Warning(
            {{"GoalFile", ORDALUNE_TRANSLATE(
                              "GoalFile", "Another running copy of Ordalune Tracker is using the goals in "
                                          "this folder.\nThis copy shows them but will not save them.")}}));
    if (m_unlocked)
        result.messages.push_back(Warning(
            {{"GoalFile",
              ORDALUNE_TRANSLATE("GoalFile", "The goals in this folder cannot be locked, so another running "
                                             "copy could save over them.\nThis copy saves them only when "
                                             "you choose File > Save.")}}));

    std::string path = Path(kFileName);
    if (!Exists(path) && Exists(Path(kBackupName))) {
        path = Path(kBackupName);
        result.messages.push_back(UserMessage::Of(
            {{"GoalFile",
              ORDALUNE_TRANSLATE("GoalFile", "%1 was missing, so the goals were read from its backup %2."),
              {kFileName, kBackupName}}},
            {}, UserMessage::Icon::Information));
    }

    if (const std::string target = MissingTarget(path); !target.empty()) {
        // Never read as empty and saved over: the link stays until its target is back.
        m_unreadable = true;
        result.messages.push_back(Warning(
            {{"GoalFile",
              ORDALUNE_TRANSLATE("GoalFile", "%1 points to %2 which does not exist.\n\nNothing will be saved "
                                             "over it until it can be read; then choose File > Open."),
              {path.substr(path.rfind('/') + 1), target}}}));
    } else {
        try {
            if (const char* refusal = ReadGoals(path, list, userName); refusal != nullptr) {
                UserMessage told = Warning({{"GoalFile", refusal}});
                if (!m_readOnly) {
                    m_refusedPath = path;
                    told.Append(
                        {KeepRefusedFile()
                             ? UserMessage::Part{"GoalFile",
                                                 ORDALUNE_TRANSLATE("GoalFile",
                                                                    "\n\nThe file was kept as %1."),
                                                 {m_keptAs}}
                             : UserMessage::Part{
                                   "GoalFile",
                                   ORDALUNE_TRANSLATE("GoalFile", "\n\nThe file could not be moved aside, so "
                                                                  "nothing will be saved over it.")}});
                }
                result.messages.push_back(std::move(told));
            }
        } catch (const CFileException& e) {
            // A file that is there but cannot be read (or fails part way) is never saved over: what
            // was read is shown, and saving waits until Open reads the file whole.
            if (e.GetCause() != CFileException::Cause::FileNotFound) {
                m_unreadable = true;
                const std::string name = path.substr(path.rfind('/') + 1);
                result.messages.push_back(
                    Warning({{"GoalFile",
                              ORDALUNE_TRANSLATE("GoalFile",
                                                 "%1 could not be read: %2.\n\nNothing will be saved over it "
                                                 "until it can be read; then choose File > Open."),
                              {name, e.GetErrorText()},
                              e.ErrorTextIsOurs() ? 2U : 0U}}));
            }
        }
    }

    list.AddPlaceholderIfEmpty();
    list.SetSelection(0);
    if (userName.empty()) {
        userName = kAskName;
        result.askUserName = true;
    }
    return result;
}

const char* GoalFile::ReadGoals(const std::string& path, GoalList& list, std::string& userName) {
    CdfFile file(path, CdfFile::Mode::Read);

    file.ReadLine();
    std::string field = file.GetField();
    if (!field.starts_with(kVersionKey))
        return kNoVersion;
    if (ParseLeadingInt(std::string_view(field).substr(kVersionKey.size())) != kVersion)
        return kBadVersion;

    file.ReadLine();
    field = ToUtf8(file.GetField());
    if (field.starts_with(kUserKey))
        userName = field.substr(kUserKey.size());
    else if (field != "User :") // an empty name loses its blank to trimming
        return kNoUser;

    while (file.ReadLine()) {
        std::string name = GoalName::Clean(ToUtf8(file.GetField())); // as any name is taken in
        const CTimeSpan total = ParseTimeSpan(file.GetField());
        const CTimeSpan remaining = ParseTimeSpan(file.GetField());
        list.Append(std::make_unique<Goal>(std::move(name), total, remaining));
    }
    file.Close();
    return {};
}

bool GoalFile::KeepRefusedFile() {
    if (m_refusedPath.empty())
        return true;
    // The first free name; this copy holds the folder's lock, so no other copy takes it meanwhile.
    const std::string base = Path(std::string(kFileName) + ".refused");
    for (int n = 0; n < 1000; ++n) {
        const std::string name = n == 0 ? base : base + "." + std::to_string(n);
        if (Exists(name))
            continue;
        if (rename(m_refusedPath.c_str(), name.c_str()) != 0)
            return false;
        SyncDirectory(m_directory.empty() ? "." : m_directory);
        m_keptAs = name.substr(m_directory.empty() ? 0 : m_directory.size() + 1);
        m_refusedPath.clear();
        return true;
    }
    return false;
}

GoalFile::SaveResult GoalFile::SaveGoals(const GoalList& list, const std::string& userName, bool asked) {
    GoalFileText text;
    return SaveText(text.Of(list, userName), asked);
}

GoalFile::SaveResult GoalFile::SaveText(std::string text, bool asked) {
    SaveResult result;
    const auto holdBack = [&](SaveResult::Status status, UserMessage::Part why) {
        result.status = status;
        if (asked)
            result.messages.push_back(Warning({std::move(why)}));
        return result;
    };
    if (m_readOnly || m_lock.TryLock() == FileLock::Result::HeldElsewhere) {
        m_readOnly = true;
        return holdBack(
            SaveResult::Status::NotOwner,
            {"GoalFile",
             ORDALUNE_TRANSLATE("GoalFile", "Another running copy of Ordalune Tracker is using the goals in "
                                            "this folder, so this copy does not save them.")});
    }
    if (m_unreadable)
        return holdBack(
            SaveResult::Status::HeldBack,
            {"GoalFile",
             ORDALUNE_TRANSLATE("GoalFile",
                                "%1 could not be read, so nothing is saved over it. Make it readable, "
                                "then choose File > Open."),
             {kFileName}});
    if (const std::string target = MissingTarget(Path(kFileName)); !target.empty()) {
        m_unreadable = true; // gone since it was read: read it again once it is back
        return holdBack(SaveResult::Status::HeldBack,
                        {"GoalFile",
                         ORDALUNE_TRANSLATE(
                             "GoalFile", "%1 points to %2 which does not exist, so nothing is saved over it. "
                                         "Once it is back, choose File > Open."),
                         {kFileName, target}});
    }
    if (m_unlocked && !m_lock.IsHeld() && !asked) {
        result.status = SaveResult::Status::HeldBack;
        return result;
    }

    const std::string goal = LinkTarget(Path(kFileName));
    // What this copy wrote last, still there as it was left: written again only when asked, so a
    // minute with nothing new costs no write, no backup and no wait on the disk.
    if (!asked && text == m_written.text && m_written.Still(goal))
        return result;
    const std::string temp = goal + ".new";
    m_written = {};
    try {
        if (!KeepRefusedFile())
            throw CFileException(CFileException::Cause::AccessDenied, m_refusedPath);
        unlink(temp.c_str()); // a stale one, or a link planted in its place, is removed, never followed
        CdfFile file(temp, CdfFile::Mode::Write);
        file.Write(text);
        file.Sync();
        file.Close();
        if (const std::string why = ReplaceGoalFile(temp, goal); !why.empty() && !m_backupWarned) {
            m_backupWarned = true; // once, not at every minute's save
            result.messages.push_back(Warning(
                {{"GoalFile",
                  ORDALUNE_TRANSLATE("GoalFile",
                                     "No backup of your goals is being kept: %1 could not be written (%2)."),
                  {kBackupName, why},
                  2U}})); // the system's words, or marked words of ours
        }
        m_written = Written::Of(goal, std::move(text));
    } catch (const CFileException& e) {
        unlink(temp.c_str());
        result.status = SaveResult::Status::Failed;
        result.detail = e.GetErrorText();
        std::vector<UserMessage::Part> told{
            {"GoalFile", ORDALUNE_TRANSLATE("GoalFile", "Your goals could not be saved.")}};
        if (HasBackup()) // the backup as its file is named on disk
            told.push_back({"GoalFile", ORDALUNE_TRANSLATE("GoalFile", "  Use backup ordalune.bak")});
        result.messages.push_back(
            UserMessage::Of(std::move(told), ORDALUNE_TRANSLATE("UserMessage", "File Error")));
    }
    return result;
}

GoalFile::Written GoalFile::Written::Of(const std::string& path, std::string text) {
    Written written;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        written.text = std::move(text);
        written.device = info.st_dev;
        written.inode = info.st_ino;
        written.size = info.st_size;
        written.modified = info.st_mtim;
    }
    return written;
}

bool GoalFile::Written::Still(const std::string& path) const {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_dev == device &&
           info.st_ino == inode && info.st_size == size && info.st_mtim.tv_sec == modified.tv_sec &&
           info.st_mtim.tv_nsec == modified.tv_nsec;
}

bool GoalFile::HasBackup() const {
    struct stat info {};
    return stat(Path(kBackupName).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The previous goal file becomes the backup, then the new file takes its name with one atomic
// rename, so a complete goal file exists at every moment. A backup that cannot be made does not
// hold up the save; a goal file that cannot be replaced stays as it was.
std::string GoalFile::ReplaceGoalFile(const std::string& newFile, const std::string& goal) {
    std::string backupFailure;
    if (Exists(goal))
        backupFailure = BackUp(goal, Path(kBackupName));
    if (rename(newFile.c_str(), goal.c_str()) != 0)
        ThrowErrno(goal);
    SyncDirectory(FolderOf(goal));
    return backupFailure;
}
