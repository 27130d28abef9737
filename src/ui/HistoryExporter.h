// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class HistoryAccess;
class QStatusBar;
class QWidget;

// File > Export history: the user chooses a file and its type, the type decides the format (and
// gives the name its extension when it has none), and the status bar says where the history went,
// or a message why it could not.
class HistoryExporter final {
public:
    static void Run(HistoryAccess& history, QWidget* parent, QStatusBar* status);
};
