// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// A run's start or end as the runs' table shows it and as a user may type it: ISO 8601
// ("2026-12-07 14:00"), the system locale's short date and time ("12/7/26 2:00 PM"), or a time
// alone, which falls on the day of the value it replaces. A two-digit year is of this century.
// Shown in ISO form, or in the locale's short form once the program is translated.
class InstantText final {
public:
    [[nodiscard]] static QString Show(qint64 instant);
    // Seconds since the epoch; nothing when the text is no date and time.
    [[nodiscard]] static std::optional<qint64> Read(const QString& text, qint64 replaced);
};
