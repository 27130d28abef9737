// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/HistoryExport.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {

// A CSV field, quoted when it holds a comma, a quote or a line break; a spreadsheet never takes it
// for a formula.
std::string CsvField(std::string text) {
    if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos)
        text.insert(0, 1, '\'');
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string HistoryExport::JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string HistoryExport::LocalIso8601(std::int64_t instant) {
    const auto time = static_cast<std::time_t>(instant);
    std::tm local{};
    localtime_r(&time, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const int offset = static_cast<int>(local.tm_gmtoff / 60);
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+', std::abs(offset) / 60,
                  std::abs(offset) % 60);
    return std::string(text) + zone;
}

std::string HistoryExport::Head(Format format) {
    return format == Format::Csv ? "goal,start,end,seconds,ended_by\r\n" : "[";
}

std::string HistoryExport::Row(const Interval& interval, Format format, bool first) {
    const std::string start = LocalIso8601(interval.start);
    const std::string end = LocalIso8601(interval.end);
    const std::string seconds = std::to_string(interval.seconds);
    const std::string endedBy(Interval::Name(interval.endedBy));
    if (format == Format::Csv)
        return CsvField(interval.goalName) + ',' + start + ',' + end + ',' + seconds + ',' + endedBy + "\r\n";
    return std::string(first ? "\n" : ",\n") + "{\"goal\":" + JsonString(interval.goalName) +
           ",\"start\":\"" + start + "\",\"end\":\"" + end + "\",\"seconds\":" + seconds +
           ",\"ended_by\":\"" + endedBy + "\"}";
}

std::string HistoryExport::Tail(Format format, bool any) {
    return format == Format::Csv ? std::string() : any ? "\n]\n" : "]\n";
}

std::string HistoryExport::Write(const std::vector<Interval>& intervals, Format format) {
    std::string out = Head(format);
    for (const Interval& interval : intervals)
        out += Row(interval, format, &interval == &intervals.front());
    return out + Tail(format, !intervals.empty());
}
