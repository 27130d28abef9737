// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// A signed span of whole seconds, held in 32 bits. Arithmetic saturates at the ends of that
// range instead of wrapping, so adding time to a huge Total can never make it negative.
class CTimeSpan final {
public:
    static constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    static constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();

    constexpr CTimeSpan() = default;
    constexpr explicit CTimeSpan(std::int64_t seconds) : m_seconds(Clamp(seconds)) {}
    constexpr CTimeSpan(std::int64_t days, std::int64_t hours, std::int64_t minutes, std::int64_t seconds)
        : CTimeSpan(((Clamp(days) * 24 + Clamp(hours)) * 60 + Clamp(minutes)) * 60 + Clamp(seconds)) {}

    [[nodiscard]] constexpr std::int32_t GetTotalSeconds() const { return m_seconds; }
    [[nodiscard]] constexpr std::int32_t GetDays() const { return m_seconds / 86400; }
    // Hours within a day, as the day-based accessors go; the text forms use the whole hours.
    [[nodiscard]] constexpr std::int32_t GetHours() const { return m_seconds / 3600 - GetDays() * 24; }
    [[nodiscard]] constexpr std::int32_t GetTotalHours() const { return m_seconds / 3600; }
    [[nodiscard]] constexpr std::int32_t GetMinutes() const { return m_seconds / 60 - GetTotalHours() * 60; }
    [[nodiscard]] constexpr std::int32_t GetSeconds() const { return m_seconds % 60; }

    // "%H" gives the whole hours (26:00 for 26 hours, never the hours within a day) in at least
    // two digits, "%M" the minutes within the hour, "%S" the seconds, "%D" the days, "%%" a '%'.
    [[nodiscard]] std::string Format(std::string_view format) const;
    // "%H:%M" with one leading '0' removed: 1:30, 0:45, 12:00, 26:00.
    [[nodiscard]] std::string FormatShort() const;

    constexpr CTimeSpan operator+(CTimeSpan other) const {
        return CTimeSpan(std::int64_t{m_seconds} + other.m_seconds);
    }
    constexpr CTimeSpan operator-(CTimeSpan other) const {
        return CTimeSpan(std::int64_t{m_seconds} - other.m_seconds);
    }
    constexpr CTimeSpan& operator+=(CTimeSpan other) { return *this = *this + other; }
    constexpr CTimeSpan& operator-=(CTimeSpan other) { return *this = *this - other; }
    friend constexpr bool operator==(CTimeSpan a, CTimeSpan b) { return a.m_seconds == b.m_seconds; }
    friend constexpr bool operator!=(CTimeSpan a, CTimeSpan b) { return a.m_seconds != b.m_seconds; }
    friend constexpr bool operator<(CTimeSpan a, CTimeSpan b) { return a.m_seconds < b.m_seconds; }
    friend constexpr bool operator>(CTimeSpan a, CTimeSpan b) { return a.m_seconds > b.m_seconds; }
    friend constexpr bool operator<=(CTimeSpan a, CTimeSpan b) { return a.m_seconds <= b.m_seconds; }
    friend constexpr bool operator>=(CTimeSpan a, CTimeSpan b) { return a.m_seconds >= b.m_seconds; }

private:
    static constexpr std::int64_t Clamp(std::int64_t seconds) {
        return seconds > kMax ? kMax : (seconds < kMin ? kMin : seconds);
    }

    std::int32_t m_seconds = 0;
};

// Removes one leading '0', as every short time text does: 05:30 -> 5:30, 00:45 -> 0:45.
[[nodiscard]] std::string StripLeadingZero(std::string text);
