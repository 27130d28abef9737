// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// This user's own folder for run-time files (locks, sockets): $XDG_RUNTIME_DIR, else
// /run/user/UID, else /tmp/ordalune-UID made for the purpose. Only a folder this user owns, that
// no one else may enter, and that is no link counts, so another user can plant nothing there.
// Empty when none can be had.
[[nodiscard]] std::string RuntimeDir();
