// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Interval.h"

#include <cstdint>
#include <string>
#include <vector>

// The journal's runs as open formats: CSV (RFC 4180, UTF-8, a header line) and JSON (an array of
// objects), each with the keys goal, start, end, seconds and ended_by. Instants are written in
// ISO 8601 with the local offset, e.g. 2026-12-07T10:03:00+01:00. In CSV a name that a spreadsheet
// would run as a formula (it begins with =, +, - or @) is written after a single quote.
class HistoryExport final {
public:
    enum class Format { Csv, Json };

    [[nodiscard]] static std::string Write(const std::vector<Interval>& intervals, Format format);
    // The same in pieces, for a history too long to hold at once: the head, each run (`first` for
    // the first), and the tail after `any` runs.
    [[nodiscard]] static std::string Head(Format format);
    [[nodiscard]] static std::string Row(const Interval& interval, Format format, bool first);
    [[nodiscard]] static std::string Tail(Format format, bool any);
    [[nodiscard]] static std::string LocalIso8601(std::int64_t instant);
    // A JSON string of UTF-8 text: quotes, backslashes and control characters escaped.
    [[nodiscard]] static std::string JsonString(const std::string& text);
};
