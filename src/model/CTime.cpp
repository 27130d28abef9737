// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CTime.h"

#include "model/Clock.h"

#include <array>

namespace {

constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kLongMonths = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

void AppendNumber(std::string& out, long value, bool dropZeros, int width = 2) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (!dropZeros && static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    if (value < 0)
        out += '-';
    out += digits;
}

} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = dst;
    m_time = static_cast<std::int64_t>(std::mktime(&tm));
}

CTime CTime::GetCurrentTime() { return CTime(Clock::Current().Now()); }

bool CTime::GetLocalTm(std::tm& out) const {
    const auto t = static_cast<std::time_t>(m_time);
    return localtime_r(&t, &out) != nullptr;
}

std::string CTime::Format(std::string_view format) const {
    std::tm tm{};
    if (!GetLocalTm(tm))
        return {};
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        bool dropZeros = false;
        if (format[i + 1] == '#' && i + 2 < format.size()) {
            dropZeros = true;
            ++i;
        }
        const char code = format[++i];
        switch (code) {
        case 'a':
            out += kDays[static_cast<std::size_t>(tm.tm_wday) % 7];
            break;
        case 'A':
            out += kLongDays[static_cast<std::size_t>(tm.tm_wday) % 7];
            break;
        case 'b':
            out += kMonths[static_cast<std::size_t>(tm.tm_mon) % 12];
            break;
        case 'B':
            out += kLongMonths[static_cast<std::size_t>(tm.tm_mon) % 12];
            break;
        case 'd':
            AppendNumber(out, tm.tm_mday, dropZeros);
            break;
        case 'H':
            AppendNumber(out, tm.tm_hour, dropZeros);
            break;
        case 'I':
            AppendNumber(out, tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12, dropZeros);
            break;
        case 'm':
            AppendNumber(out, tm.tm_mon + 1, dropZeros);
            break;
        case 'M':
            AppendNumber(out, tm.tm_min, dropZeros);
            break;
        case 'S':
            AppendNumber(out, tm.tm_sec, dropZeros);
            break;
        case 'p':
            out += tm.tm_hour < 12 ? "AM" : "PM";
            break;
        case 'y':
            AppendNumber(out, (tm.tm_year + 1900) % 100, dropZeros);
            break;
        case 'Y':
            AppendNumber(out, tm.tm_year + 1900L, dropZeros, 4);
            break;
        default:
            out += code;
            break;
        }
    }
    return out;
}
