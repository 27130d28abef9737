// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include <QString>

// `ordalune --export-history csv|json [--from YYYY-MM-DD] [--to YYYY-MM-DD]`: prints the journal of
// time spent of the goal file in the current folder. It never reaches a running copy, and only
// reads the journal.
class HistoryCommand final {
    Q_DECLARE_TR_FUNCTIONS(HistoryCommand)

public:
    // The exit status: 0, or 2 with a one-line reason on standard error. Empty dates: no bound.
    [[nodiscard]] static int Run(const QString& format, const QString& from, const QString& to);
};
