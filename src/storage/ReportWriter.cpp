// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ReportWriter.h"

#include "storage/TextCodec.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t kNameColumn = 59;

} // namespace

std::string ReportWriter::FormatSpent(CTimeSpan spent) {
    // Whole hours, so a day or more is written whole; a negative span keeps its sign.
    const std::int64_t seconds = spent.GetTotalSeconds();
    const std::int64_t magnitude = std::llabs(seconds);
    const std::int64_t hours = magnitude / 3600;
    const std::int64_t hundredths = (magnitude / 60 % 60) * 100 / 60;
    // Less than a minute below zero shows as nothing spent, not as "-0.00".
    const bool negative = seconds < 0 && (hours > 0 || hundredths > 0);
    const std::string whole = (negative ? "-" : "") + std::to_string(hours);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%2s.%02d", whole.c_str(), static_cast<int>(hundredths));
    return buffer;
}

std::string ReportWriter::Format(const GoalList& list, CTime now) {
    std::string text = now.Format("%a %#m/%#d/%#y  %#I:%M %p") + "\r\n\r\n";
    for (int i = 0; i < list.GetCount(); ++i) {
        const Goal& goal = list.GetAt(i);
        text += "    ";
        // A line break in a name would split the goal's line.
        for (const char c : goal.GetName())
            text += c == '\r' || c == '\n' ? ' ' : c;
        // Padded by characters, not bytes, so accented names stay in line.
        const std::size_t length = Utf8Length(goal.GetName());
        if (length < kNameColumn)
            text.append(kNameColumn - length, ' ');
        text += FormatSpent(goal.GetElapsed());
        text += "\r\n";
    }
    return text;
}

UserMessage ReportWriter::Write(const GoalList& list, CTime now, const std::string& path) {
    const std::string text = Format(list, now);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file != nullptr;
    if (ok) {
        ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        ok = std::fclose(file) == 0 && ok;
    }
    if (!ok)
        return UserMessage::Of(
            {{"ReportWriter", ORDALUNE_TRANSLATE("ReportWriter", "Your report could not be written.")}},
            ORDALUNE_TRANSLATE("UserMessage", "File Error"));
    return UserMessage::Of(
        {{"ReportWriter", ORDALUNE_TRANSLATE("ReportWriter", "Report saved to ORDALUNE.REP")}},
        ORDALUNE_TRANSLATE("UserMessage", "Done"));
}
