// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Clock.h"

#include <ctime>

namespace {

class SystemClock final : public Clock {
public:
    [[nodiscard]] std::int64_t Now() const override { return static_cast<std::int64_t>(std::time(nullptr)); }
    // The boot-time clock: it moves on while the computer sleeps, as the wall clock does, so a
    // sleep the program was not told of is never taken for the clock being set.
    [[nodiscard]] std::int64_t Passing() const override {
        timespec now{};
        clock_gettime(CLOCK_BOOTTIME, &now);
        return static_cast<std::int64_t>(now.tv_sec);
    }
};

std::shared_ptr<const Clock>& Installed() {
    static std::shared_ptr<const Clock> clock = std::make_shared<SystemClock>();
    return clock;
}

} // namespace

const Clock& Clock::Current() { return *Installed(); }

void Clock::Install(std::shared_ptr<const Clock> clock) {
    Installed() = clock ? std::move(clock) : std::make_shared<SystemClock>();
}
