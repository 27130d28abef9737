// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/RuntimeDir.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool OwnPrivateFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && path[0] == '/' && lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

std::string RuntimeDir() {
    if (const char* set = std::getenv("XDG_RUNTIME_DIR"); set != nullptr && OwnPrivateFolder(set))
        return set;
    const std::string uid = std::to_string(geteuid());
    if (OwnPrivateFolder("/run/user/" + uid))
        return "/run/user/" + uid;
    const std::string own = "/tmp/ordalune-" + uid;
    mkdir(own.c_str(), 0700); // another user's folder of that name fails the check below
    return OwnPrivateFolder(own) ? own : std::string();
}
