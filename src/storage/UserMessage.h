// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Something the user must be told, exactly as it is to be shown. Storage decides the words; the
// window shows them.
struct UserMessage {
    enum class Icon { None, Warning, Information };

    std::string text;
    // Empty: the application's title ("Ordalune").
    std::string caption;
    Icon icon = Icon::None;
};
