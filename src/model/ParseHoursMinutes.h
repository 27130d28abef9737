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

// A typed time as a span: (hours * 60 + minutes) * 60 seconds, saturated at the span's range.
[[nodiscard]] CTimeSpan ParseTimeSpan(std::string_view text);
