// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTime.h"
#include "model/GoalList.h"
#include "storage/UserMessage.h"

#include <string>

// The plain-text report "ORDALUNE.REP" of the time spent on each goal.
class ReportWriter final {
public:
    static constexpr const char* kFileName = "ORDALUNE.REP";

    // Writes the report for `list` as of `now` into `path`; returns what to tell the user.
    [[nodiscard]] static UserMessage Write(const GoalList& list, CTime now, const std::string& path);

    // The whole report text, CR LF line ends included.
    [[nodiscard]] static std::string Format(const GoalList& list, CTime now);
    // Hours and hundredths: " 1.50", "26.50", "-0.50".
    [[nodiscard]] static std::string FormatSpent(CTimeSpan spent);
};
