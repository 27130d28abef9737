// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Goal.h"

#include <string>
#include <string_view>

// The one rule for a goal's name, wherever one enters: typed or pasted into the goal dialog, given
// on the command line or the bus, or read from the goal file. A name is one line of text without
// blanks at its ends, at most kMaxLength characters, and never the name the list gives its
// placeholder. Text is UTF-8.
class GoalName final {
public:
    // Characters as the window counts them (UTF-16 code units).
    static constexpr int kMaxLength = Goal::kMaxNameLength;

    // Control characters and the line and paragraph separators become blanks, and the blanks at
    // both ends go, as the goal file would drop them.
    [[nodiscard]] static std::string Clean(std::string_view name);
    [[nodiscard]] static int Length(std::string_view name);
    // Why a cleaned name cannot be a goal's; no text when it can. An empty name is allowed here;
    // whoever needs a name to find a goal by refuses it.
    struct Refused {
        const char* text = nullptr; // English, marked in context "GoalName", its %1 standing for `arg`
        std::string arg;
    };
    [[nodiscard]] static Refused Refusal(std::string_view cleaned);
};
