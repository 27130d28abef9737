// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Clock.h"

#include <cstdint>
#include <memory>

// A clock that stands still until the test moves it. Advance() lets time pass; Set() sets the
// wall clock alone, as a user or a time server sets the system clock. Install() puts it in place
// of the system clock; Uninstall() puts the system clock back.
class TestClock final : public Clock {
public:
    explicit TestClock(std::int64_t start) : m_now(start) {}

    [[nodiscard]] std::int64_t Now() const override { return m_now; }
    [[nodiscard]] std::int64_t Passing() const override { return m_passing; }
    void Set(std::int64_t seconds) { m_now = seconds; }
    void Advance(std::int64_t seconds) { m_now += seconds, m_passing += seconds; }

    static std::shared_ptr<TestClock> Install(std::int64_t start = 1'700'000'000) {
        auto clock = std::make_shared<TestClock>(start);
        Clock::Install(clock);
        return clock;
    }
    static void Uninstall() { Clock::Install(nullptr); }

private:
    std::int64_t m_now;
    std::int64_t m_passing = 1'000'000;
};
