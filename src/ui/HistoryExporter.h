// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class HistoryAccess;
class QStatusBar;
class QWidget;

// File > Export history: the user chooses a file and its type, the type decides the format (and
// gives the name its extension when it has none), and the status bar says where the history went,
// or a message why it could not.
class HistoryExporter final {
    Q_DECLARE_TR_FUNCTIONS(HistoryExporter)

public:
    static void Run(HistoryAccess& history, QWidget* parent, QStatusBar* status);
};
