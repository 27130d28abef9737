// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/ClockJump.h"

#include "model/Clock.h"

bool ClockJump::Look() {
    const Clock& clock = Clock::Current();
    const std::int64_t offset = clock.Now() - clock.Passing();
    const bool jumped = m_lastOffset && (offset > *m_lastOffset + kToleranceSeconds ||
                                         offset < *m_lastOffset - kToleranceSeconds);
    m_lastOffset = offset;
    return jumped;
}
