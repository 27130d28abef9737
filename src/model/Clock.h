#pragma once

#include <cstdint>
#include <memory>

// The one source of the current time. Everything that asks "what time is it" goes through
// Clock::Current(), so tests can install a clock they move by hand.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since 1970-01-01 00:00:00 UTC.
    [[nodiscard]] virtual std::int64_t Now() const = 0;

    [[nodiscard]] static const Clock& Current();

    // Replaces the clock; nullptr puts the system clock back.
    static void Install(std::shared_ptr<const Clock> clock);
};
