// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ParseHoursMinutes.h"

#include <limits>
#include <string>

namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(value > kIntMax ? kIntMax : (value < kIntMin ? kIntMin : value));
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where atoi's number starts: after white space and one sign. Returns the sign.
int SkipToDigits(std::string_view text, std::size_t& i) {
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    int sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    return sign;
}

} // namespace

std::int32_t ParseLeadingInt(std::string_view text) {
    std::size_t i = 0;
    const int sign = SkipToDigits(text, i);
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kIntMax + 1)
            value = kIntMax + 1; // large enough to saturate either way
    }
    return Saturate(sign * value);
}

namespace {

// atoi(f) * 60 / 10^n, n being the whole length of f, truncated toward zero. The number's digits
// are multiplied by 60 as a decimal string, so a fraction of any length is scaled exactly; since
// those digits are part of f, the result lies in (-60, 60).
std::int32_t FractionMinutes(std::string_view f) {
    std::size_t i = 0;
    const int sign = SkipToDigits(f, i);
    std::size_t end = i;
    while (end < f.size() && IsDigit(f[end]))
        ++end;

    std::string product(end - i + 2, '0'); // digits of N * 60, most significant first
    int carry = 0;
    std::size_t out = product.size();
    for (std::size_t k = end; k > i; --k) {
        const int digit = (f[k - 1] - '0') * 60 + carry;
        product[--out] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    while (carry > 0) {
        product[--out] = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    if (product.size() <= f.size())
        return 0;
    std::int32_t whole = 0;
    for (std::size_t k = 0; k < product.size() - f.size(); ++k)
        whole = whole * 10 + (product[k] - '0');
    return sign * whole;
}

} // namespace

void ParseHoursMinutes(std::string_view text, std::int32_t* hours, std::int32_t* minutes) {
    std::int64_t h = 0;
    std::int64_t m = 0;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        h = ParseLeadingInt(text.substr(0, colon));
        m = ParseLeadingInt(text.substr(colon + 1));
    } else if (const auto dot = text.find('.'); dot != std::string_view::npos) {
        h = ParseLeadingInt(text.substr(0, dot));
        m = FractionMinutes(text.substr(dot + 1));
    } else {
        h = ParseLeadingInt(text);
    }
    if (m >= 60) {
        h += m / 60;
        m %= 60;
    }
    *hours = Saturate(h);
    *minutes = Saturate(m);
}

CTimeSpan ParseTimeSpan(std::string_view text) {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    ParseHoursMinutes(text, &hours, &minutes);
    const std::int64_t seconds = (std::int64_t{hours} * 60 + minutes) * 60;
    const std::int64_t most = kMaxStoredSpan.GetTotalSeconds();
    return CTimeSpan(seconds > most ? most : seconds < -most ? -most : seconds);
}

bool ParseStrictSpan(std::string_view text, CTimeSpan* span, bool* tooLong) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    const std::size_t mark = text.find_first_of(":.");
    const std::string_view hours = text.substr(0, mark);
    const std::string_view rest = mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    const auto digits = [](std::string_view part) {
        for (const char c : part)
            if (!IsDigit(c))
                return false;
        return part.size() <= 12; // far beyond the largest Total, and far within 64 bits
    };
    if (!digits(hours) || !digits(rest) || (hours.empty() && rest.empty()))
        return false;
    std::int64_t h = 0;
    for (const char c : hours)
        h = h * 10 + (c - '0');
    std::int64_t m = 0;
    if (mark != std::string_view::npos && text[mark] == ':')
        for (const char c : rest)
            m = m * 10 + (c - '0');
    else if (!rest.empty())
        m = FractionMinutes(rest);
    const std::int64_t seconds = (h * 60 + m) * 60;
    *tooLong = seconds > kMaxStoredSpan.GetTotalSeconds();
    *span = *tooLong ? kMaxStoredSpan : CTimeSpan(seconds);
    return true;
}
