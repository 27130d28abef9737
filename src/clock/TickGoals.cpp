// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/TickGoals.h"

#include "model/Clock.h"
#include "model/ParseHoursMinutes.h"

namespace {

constexpr int kOverrunGrace = 60; // seconds of thinking that the question does not mention

// Stops the goal, asks, and applies the answer. True when the goal's times were set anew.
bool HandleTimeUp(Goal& goal, TimesUpHost& host) {
    goal.ToggleRunning();
    host.PlayAlert();
    host.BringToFront();
    const std::int64_t up = Clock::Current().Passing();

    const TimesUpHost::Answer answer = host.AskTimesUp(goal.GetName());
    bool changed = false;
    if (answer.choice == 0) {
        goal.SetDone(true);
    } else {
        const CTimeSpan add(std::int64_t{ParseLeadingInt(answer.minutes)} * 60);
        goal.Set(goal.GetName(), goal.GetTotal() + add, goal.GetRemaining() + add);
        changed = true;
    }

    const CTimeSpan span(Clock::Current().Passing() - up);
    if (span > CTimeSpan(kOverrunGrace)) {
        const std::string question =
            "Over " + OverrunText(span) + " have passed since this goal's time was up.  Apply time to goal?";
        if (host.AskOverrun(goal.GetName(), question)) {
            goal.Set(goal.GetName(), goal.GetTotal() + span, goal.GetRemaining());
            goal.Credit(span); // spent on the goal after all: its history counts it too
            changed = true;
        }
    }

    // Restarted from now, so the time the questions stood open is not taken off.
    if (goal.GetRemaining() > CTimeSpan())
        goal.ToggleRunning();
    if (answer.choice != 0)
        host.HandBack();
    return changed;
}

} // namespace

std::string OverrunText(CTimeSpan span) {
    return StripLeadingZero(span >= CTimeSpan(3600) ? span.Format("%H hours") : span.Format("%M minutes"));
}

TickResult TickGoals(GoalList& goals, TimesUpHost& host) {
    TickResult result;
    // A copy: a time's-up answer starts and stops clocks, and the list may change while it is asked.
    const std::vector<int> running = goals.GetRunning();
    for (const int i : running) {
        if (i >= goals.GetCount() || !goals.GetAt(i).IsRunning())
            continue;
        Goal& goal = goals.GetAt(i);
        GoalRepaint repaint{i, false, false};
        // The Remaining text shows whole minutes: it changes exactly when they do, and is not
        // made twice a second per clock to find that out.
        const std::int32_t before = goal.GetRemaining().GetTotalSeconds() / 60;
        if (goal.Tick()) {
            result.changed = HandleTimeUp(goal, host) || result.changed;
            repaint.wholeItem = true;
        }
        repaint.remainingText = goal.GetRemaining().GetTotalSeconds() / 60 != before;
        result.repaints.push_back(repaint);
    }
    return result;
}
