// SPDX-License-Identifier: GPL-3.0-or-later
// The History window and Qt Charts, loaded only when the window first opens.
#include "history/HistoryWindow.h"

extern "C" Q_DECL_EXPORT QWidget* ordalune_history_window(HistoryBackend* backend, int firstWeekday,
                                                          QWidget* parent) {
    return new HistoryWindow(*backend, firstWeekday, parent);
}
