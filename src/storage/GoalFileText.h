// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GoalList.h"

#include <cstdint>
#include <string>
#include <vector>

// The goal file's text for a list of goals, as the goal file is written. Each goal's line is kept
// between saves and made again only when the goal's name or whole minutes change, so a minute's
// save of a thousand goals formats the few whose clocks ran.
class GoalFileText final {
public:
    static constexpr std::string_view kVersionKey = "File Version : ";
    static constexpr std::string_view kUserKey = "User : ";
    static constexpr int kVersion = 1;

    // The whole text, every line ending CR LF. Valid until the next call.
    [[nodiscard]] const std::string& Of(const GoalList& goals, const std::string& userName);
    // The text the last call made.
    [[nodiscard]] const std::string& Last() const { return m_text; }

private:
    struct Line {
        std::string name;
        std::int32_t total = -1; // whole minutes, as the file holds them
        std::int32_t remaining = -1;
        std::string text;
    };
    std::vector<Line> m_lines;
    std::string m_text;
};
