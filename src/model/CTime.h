// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTimeSpan.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// An instant: seconds since 1970-01-01 00:00:00 UTC, in 64 bits so it outlives January 2038.
class CTime final {
public:
    constexpr CTime() = default;
    constexpr explicit CTime(std::int64_t seconds) : m_time(seconds) {}
    // From local calendar fields (month 1-12); dst -1 lets the C library decide.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    // The current instant, from the installed Clock.
    [[nodiscard]] static CTime GetCurrentTime();

    [[nodiscard]] constexpr std::int64_t GetTime() const { return m_time; }
    // Local calendar fields; false when the instant cannot be broken down.
    [[nodiscard]] bool GetLocalTm(std::tm& out) const;

    // Local time in a strftime-like format with fixed English names and AM/PM, whatever the
    // locale. A '#' after '%' drops leading zeros ("%#I" gives 9, not 09). Supported: %a %A %b
    // %B %d %H %I %m %M %p %S %y %Y %%. Empty when local time cannot be had.
    [[nodiscard]] std::string Format(std::string_view format) const;

    constexpr CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTotalSeconds()); }
    // Saturates at the span's range for instants years apart.
    constexpr CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    friend constexpr bool operator==(CTime a, CTime b) { return a.m_time == b.m_time; }
    friend constexpr bool operator!=(CTime a, CTime b) { return a.m_time != b.m_time; }
    friend constexpr bool operator<(CTime a, CTime b) { return a.m_time < b.m_time; }
    friend constexpr bool operator>(CTime a, CTime b) { return a.m_time > b.m_time; }

private:
    std::int64_t m_time = 0;
};
