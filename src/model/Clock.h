// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

// The one source of the current time. Everything that asks "what time is it" goes through
// Clock::Current(), so tests can install a clock they move by hand. It has two faces: the wall
// clock, for what is shown, for the instants a run starts and for renewal boundaries; and a clock
// that only ever moves on with the time that passes, for what is counted, so setting the system
// clock either way counts no time.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since 1970-01-01 00:00:00 UTC, as the system clock says; it can jump either way.
    [[nodiscard]] virtual std::int64_t Now() const = 0;
    // Seconds since some fixed moment, moving on with the time that passes (a sleeping computer
    // included) and never set.
    [[nodiscard]] virtual std::int64_t Passing() const = 0;

    [[nodiscard]] static const Clock& Current();

    // Replaces the clock; nullptr puts the system clock back.
    static void Install(std::shared_ptr<const Clock> clock);
};
