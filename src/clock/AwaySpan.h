// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTime.h"
#include "model/GoalList.h"
#include "storage/UserMessage.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Time away from the desk (a locked screen, a sleeping computer): the clocks it stopped, the idle
// time before it that is given back, and the one question on return.
class AwaySpan final {
public:
    // Stops every running clock as the user goes away at `now`. `idleSince`, when the session
    // knew the user idle before that, is given back to each stopped goal, but never more than
    // its clock counted since then. A second stop before the question is answered adds to the
    // same span. Returns whether any clock was stopped.
    bool Stop(GoalList& goals, CTime now, std::optional<CTime> idleSince = {});
    // Remembers goals already stopped at `from` (before the computer sleeps) for the question.
    void Remember(const GoalList& goals, const std::vector<int>& stopped, CTime from);
    [[nodiscard]] bool IsWaiting() const { return !m_stopped.empty(); }
    // "You were away 0:25 (10:05 to 10:30). Restart the clocks of Write, Read?", the times of day
    // as `clock` writes them.
    [[nodiscard]] UserMessage Question(CTime back, const std::function<std::string(CTime)>& clock) const;
    // Restarts the stopped goals still listed, unchanged since, with time left; then forgets
    // the span. Returns how many it restarted.
    int Restart(GoalList& goals);
    void Forget() { m_stopped.clear(); }

private:
    struct Stopped {
        const Goal* goal;
        std::string name;
        CTimeSpan total;
        CTimeSpan remaining;
    };
    std::vector<Stopped> m_stopped;
    CTime m_from;
};
