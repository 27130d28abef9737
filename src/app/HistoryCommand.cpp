// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HistoryCommand.h"

#include "app/StandardOutput.h"
#include "session/MessageText.h"

#include "storage/HistoryExport.h"
#include "storage/Journal.h"

#include <QRegularExpression>

#include <cstdio>
#include <ctime>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

namespace {

// The first instant of a local date given as YYYY-MM-DD, `days` days on; nothing if it is no date.
std::optional<std::int64_t> LocalDay(const QString& text, int days) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$")).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    std::tm day{};
    day.tm_year = match.captured(1).toInt() - 1900;
    day.tm_mon = match.captured(2).toInt() - 1;
    day.tm_mday = match.captured(3).toInt();
    day.tm_isdst = -1;
    std::tm check = day;
    if (mktime(&check) == -1 || check.tm_mday != day.tm_mday || check.tm_mon != day.tm_mon)
        return std::nullopt; // 2026-02-30 and the like
    day.tm_mday += days;
    return static_cast<std::int64_t>(mktime(&day));
}

} // namespace

int HistoryCommand::Run(const QString& named, const QString& from, const QString& to) {
    const QString format = named.toLower(); // CSV and Csv say the same
    if (format != QLatin1String("csv") && format != QLatin1String("json"))
        return StandardOutput::Refuse(tr("the export format is csv or json, not \"%1\"").arg(named));
    std::int64_t begin = std::numeric_limits<std::int64_t>::min();
    std::int64_t end = std::numeric_limits<std::int64_t>::max();
    for (const auto& [name, text, bound, days] :
         {std::tuple{"from", &from, &begin, 0}, std::tuple{"to", &to, &end, 1}}) {
        if (text->isEmpty())
            continue;
        const std::optional<std::int64_t> day = LocalDay(*text, days);
        if (!day)
            return StandardOutput::Refuse(tr("--%1 takes a date as YYYY-MM-DD").arg(QLatin1String(name)));
        *bound = *day;
    }
    if (!from.isEmpty() && !to.isEmpty() && end <= begin)
        return StandardOutput::Refuse(tr("--to %1 is before --from %2").arg(to, from));
    Journal journal;
    if (!journal.OpenToRead())
        return StandardOutput::Refuse(MessageText::Of(journal.LastErrorMessage()));
    const auto kind =
        format == QLatin1String("csv") ? HistoryExport::Format::Csv : HistoryExport::Format::Json;
    StandardOutput out;
    out.Write(HistoryExport::Head(kind));
    bool first = true;
    const bool read = journal.ForEach(begin, end, [&](const Interval& run) {
        return out.Write(HistoryExport::Row(run, kind, std::exchange(first, false)));
    });
    if (!read && out.Write({})) // told before the end is written, so a cut history never looks whole
        return StandardOutput::Refuse(tr("the history of time spent could not be read to its end: ") +
                                      (journal.Busy() ? tr("it stayed locked by another program")
                                                      : MessageText::Of(journal.LastErrorMessage())));
    out.Write(HistoryExport::Tail(kind, !first));
    return out.Finish(0);
}
