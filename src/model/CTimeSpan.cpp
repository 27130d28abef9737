// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CTimeSpan.h"

namespace {

// At least two digits, as "%02d" gives, without the formatter: this runs for every clock shown
// at every tick.
void AppendTwoDigits(std::string& out, std::int32_t value) {
    if (value >= 0 && value < 10)
        out += '0';
    out += std::to_string(value);
}

} // namespace

std::string CTimeSpan::Format(std::string_view format) const {
    std::string out;
    out.reserve(format.size() + 8);
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        const char code = format[++i];
        switch (code) {
        case 'H':
            AppendTwoDigits(out, GetTotalHours());
            break;
        case 'M':
            AppendTwoDigits(out, GetMinutes());
            break;
        case 'S':
            AppendTwoDigits(out, GetSeconds());
            break;
        case 'D':
            out += std::to_string(GetDays());
            break;
        default:
            out += code; // "%%" gives '%', any other pair the character alone
            break;
        }
    }
    return out;
}

std::string CTimeSpan::FormatShort() const { return StripLeadingZero(Format("%H:%M")); }

std::string StripLeadingZero(std::string text) {
    if (!text.empty() && text.front() == '0')
        text.erase(0, 1);
    return text;
}
