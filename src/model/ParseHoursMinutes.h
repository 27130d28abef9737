// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTimeSpan.h"

#include <cstdint>
#include <string_view>

// Reads a typed time ("1:30", "1.5", "2", ":45") into hours and minutes. Never fails: text that
// is not a time gives 0 and 0. Numbers are read the way atoi reads them, but saturate instead of
// overflowing, and a decimal fraction of any length is scaled exactly by its written length.
void ParseHoursMinutes(std::string_view text, std::int32_t* hours, std::int32_t* minutes);

// A leading decimal number the way atoi reads it (white space, one sign, digits up to the first
// other character, 0 without digits), saturated at the 32-bit range instead of overflowing.
[[nodiscard]] std::int32_t ParseLeadingInt(std::string_view text);

// The largest span the goal file keeps whole: the last whole minute a span can hold.
inline constexpr CTimeSpan kMaxStoredSpan(std::int64_t{596523} * 3600 + 14 * 60);

// A typed time as a span: (hours * 60 + minutes) * 60 seconds, saturated at kMaxStoredSpan either
// way, so that what is typed is what the goal file gives back.
[[nodiscard]] CTimeSpan ParseTimeSpan(std::string_view text);

// A time typed where nothing shows what it was read as (the command line, the bus): digits only,
// as hours ("2"), hours and minutes ("1:30", ":45") or hours and a fraction ("1.5"), blanks around
// it allowed. False for anything else; `span` is then left alone. A time beyond kMaxStoredSpan
// reads, and the caller refuses it.
[[nodiscard]] bool ParseStrictSpan(std::string_view text, CTimeSpan* span, bool* tooLong);
