// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/TimesUpHost.h"
#include "model/CTimeSpan.h"
#include "model/GoalList.h"

#include <algorithm>
#include <string>
#include <vector>

// What one tick changed in one running goal's item, so the window repaints only that.
struct GoalRepaint {
    int index = 0;
    bool remainingText = false; // the H:MM text changed
    bool wholeItem = false;     // the goal's time ran out
};

struct TickResult {
    // A time's-up answer set a goal's Total or Remaining time anew: refit and repaint everything.
    bool changed = false;
    // One entry per goal that was running; its wheel and bar always need repainting.
    std::vector<GoalRepaint> repaints;

    // A running goal's Remaining time reached another minute, or ran out.
    [[nodiscard]] bool MinuteMoved() const {
        return std::any_of(repaints.begin(), repaints.end(),
                           [](const GoalRepaint& r) { return r.remainingText || r.wholeItem; });
    }
};

// One clock tick over the list: every running goal counts down by the wall clock; a goal whose
// time runs out is stopped and handled through the host (sound, window, questions), one after
// another in list order.
[[nodiscard]] TickResult TickGoals(GoalList& goals, TimesUpHost& host);

// "5 minutes", "1 hours": the time that passed since a goal's time was up, as the question says it.
[[nodiscard]] std::string OverrunText(CTimeSpan span);
