// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTime.h"
#include "model/CTimeSpan.h"
#include "model/ClockWheel.h"
#include "model/ProgressBar.h"

#include <cstdint>
#include <string>

// One goal: a name, a planned Total, the Remaining time that counts down while its clock runs,
// and a done mark. Its Remaining time moves with the wall clock, not with the number of ticks.
class Goal final {
public:
    // The longest name, in characters, wherever one enters (a goal's or the user's): its line of
    // the goal file stays far below the longest line a goal file may have.
    static constexpr int kMaxNameLength = 1000;

    Goal(std::string name, CTimeSpan total, CTimeSpan remaining);

    void Set(std::string name, CTimeSpan total, CTimeSpan remaining);
    void SetDone(bool done) { m_done = done; }

    // Starts the clock (from now) or stops it; stopping drops the seconds since the last tick.
    void ToggleRunning();
    // Grows whenever any goal's clock starts or stops, so a list can tell its running goals are
    // still the ones it found.
    [[nodiscard]] static std::uint64_t RunningChanges();
    // Takes the time that passed since the last tick off the Remaining time, never below zero.
    // Setting the system clock counts nothing. True when nothing remains.
    bool Tick();
    // A running clock counts down to the wall-clock instant `until` only, as a period ends
    // between two ticks; the next tick counts on from there. Never more than has passed.
    void CountUntil(CTime until);
    // The system clock was set: the wall-clock instant of the last tick becomes `now`, and what
    // passed since is counted at the next tick as ever.
    void FollowWallClock(CTime now) { m_lastTick = now; }
    // Time that passed uncounted (a Time's Up question stood open) is added to what the clock
    // counted; time given back (idle minutes) returns to Remaining and leaves what it counted.
    void Credit(CTimeSpan span) { m_counted += span.GetTotalSeconds(); }
    void GiveBack(CTimeSpan span);

    // Tells this goal apart from every other made in this run, copies of it excepted; never saved.
    [[nodiscard]] std::uint64_t GetKey() const { return m_key; }
    [[nodiscard]] bool IsRunning() const { return m_running; }
    // When the clock last started, and when it last counted down; meaningful while it runs.
    [[nodiscard]] CTime GetRunningSince() const { return m_runningSince; }
    [[nodiscard]] CTime GetLastTick() const { return m_lastTick; }
    // Every second this goal's clock has counted in this run of the program, and how many of them
    // since it last started.
    [[nodiscard]] std::int64_t GetCounted() const { return m_counted; }
    [[nodiscard]] std::int64_t GetCountedSinceStart() const { return m_counted - m_countedAtStart; }
    [[nodiscard]] bool IsDone() const { return m_done; }
    [[nodiscard]] const std::string& GetName() const { return m_name; }
    [[nodiscard]] const CTimeSpan& GetTotal() const { return m_total; }
    [[nodiscard]] const CTimeSpan& GetRemaining() const { return m_remaining; }
    [[nodiscard]] CTimeSpan GetElapsed() const { return m_total - m_remaining; }
    // The Remaining time as the list shows it: 5:30, 0:45, 26:00.
    [[nodiscard]] std::string GetRemainingText() const { return m_remaining.FormatShort(); }

    [[nodiscard]] const ClockWheel& GetWheel() const { return m_wheel; }
    [[nodiscard]] const ProgressBar& GetBar() const { return m_bar; }

private:
    void UpdateBar();

    std::uint64_t m_key;
    std::string m_name;
    CTimeSpan m_total;
    CTimeSpan m_remaining;
    CTime m_lastTick;
    CTime m_runningSince;
    std::int64_t m_lastPassing = 0; // the passing clock at the last tick
    std::int64_t m_counted = 0;
    std::int64_t m_countedAtStart = 0;
    bool m_running = false;
    bool m_done = false;
    ClockWheel m_wheel;
    ProgressBar m_bar;
};
