#include "storage/HistoryExport.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text) {
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
    const int offset = static_cast<int>(local.tm_gmtoff / 60) % (24 * 60); // zones stay within a day
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+', std::abs(offset) / 60,
                  std::abs(offset) % 60);
    return std::string(text) + zone;
}

std::string HistoryExport::Write(const std::vector<Interval>& intervals, Format format) {
    std::string out = format == Format::Csv ? "goal,start,end,seconds,ended_by\r\n" : "[";
    bool first = true;
    for (const Interval& interval : intervals) {
        const std::string start = LocalIso8601(interval.start);
        const std::string end = LocalIso8601(interval.end);
        const std::string seconds = std::to_string(interval.seconds);
        const std::string endedBy(Interval::Name(interval.endedBy));
        if (format == Format::Csv) {
            out += CsvField(interval.goalName) + ',' + start + ',' + end + ',' + seconds + ',' + endedBy +
                   "\r\n";
            continue;
        }
        out += first ? "\n" : ",\n";
        first = false;
        out += "{\"goal\":" + JsonString(interval.goalName) + ",\"start\":\"" + start + "\",\"end\":\"" +
               end + "\",\"seconds\":" + seconds + ",\"ended_by\":\"" + endedBy + "\"}";
    }
    if (format == Format::Json)
        out += first ? "]\n" : "\n]\n";
    return out;
}
