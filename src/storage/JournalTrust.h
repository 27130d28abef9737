// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/UserMessage.h"

#include <cstdint>
#include <optional>
#include <string>

// Whether the journal of time spent may be trusted. What it holds sets goals' times (a renewal not
// yet in the goal file) and says where the user's days went, so it is used only when no one else
// could have written it: a regular file of the user's own that no one else can write, with a
// rollback file of the same kind if any, in a folder where no one else can create files.
class JournalTrust final {
public:
    // Who besides the user can create files in `folder` ("everyone", "the group staff", "the user
    // pat", "an access control list"); empty when no one can. The system's administrator counts
    // for no one, as they can do anything anyway.
    [[nodiscard]] static std::optional<UserMessage::Part> OthersCanWrite(const std::string& folder);

    // The journal at `path`, opened without following a link or waiting on a FIFO and checked. A
    // file of the user's own that others can read is made readable by the user alone.
    struct Checked {
        int fd = -1; // open while the caller needs it; -1 when missing or refused
        bool missing = false;
        std::optional<UserMessage::Part> refusal; // why it is not used, in the user's words
    };
    [[nodiscard]] static Checked Open(const std::string& path);
    // Why SQLite's rollback file beside the journal cannot be trusted; empty when it can, or when
    // there is none.
    [[nodiscard]] static std::optional<UserMessage::Part> CheckRollback(const std::string& path);
    // Whether `path` still names the file open as `fd`: nothing was swapped in meanwhile.
    [[nodiscard]] static bool StillNames(int fd, const std::string& path);

    // Makes a new journal at `path`, for this user alone, never through a link someone planted,
    // and puts it on disk with its folder.
    static void Create(const std::string& path, const std::string& folder);
    // Renames a damaged journal in `directory` (empty, or ending with '/') after the local time
    // `now`, never over one set aside before; the new name, or empty when that could not be done.
    [[nodiscard]] static std::string SetAside(const std::string& path, const std::string& directory,
                                              std::int64_t now);
};
