// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// Tells the system clock being set from time passing: between two looks the wall clock and the
// passing clock move on alike, unless someone (a user, a time server) set the wall clock.
class ClockJump final {
public:
    // More than this many seconds of difference is a setting of the clock, not a late tick.
    static constexpr std::int64_t kToleranceSeconds = 2;

    // True when the wall clock moved by more or less than the time that passed since the last
    // look; the first look only takes note.
    bool Look();

private:
    std::optional<std::int64_t> m_lastOffset; // wall clock less passing clock at the last look
};
