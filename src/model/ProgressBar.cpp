// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ProgressBar.h"

#include <algorithm>

int ProgressBar::FillLength(int length) const {
    if (m_range == 0 || length <= 0)
        return 0;
    // Kept within the bar: a hand-edited file can give a position outside 0..range.
    const double ratio = std::clamp(static_cast<double>(m_position) / m_range, 0.0, 1.0);
    return static_cast<int>(ratio * length);
}
