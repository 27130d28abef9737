// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class HistoryBackend;
class QWidget;

// Opens the History window from its module, loaded the first time: the window and the chart
// library behind it cost nothing to a run that never shows them.
class HistoryLoader final {
public:
    [[nodiscard]] static QStringList ModulePaths();
    // A new window, or nothing when the module cannot be loaded.
    [[nodiscard]] static QWidget* Open(HistoryBackend& backend, int firstWeekday, QWidget* parent);
};
