#include "model/Clock.h"

#include <ctime>

namespace {

class SystemClock final : public Clock {
public:
    [[nodiscard]] std::int64_t Now() const override { return static_cast<std::int64_t>(std::time(nullptr)); }
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
