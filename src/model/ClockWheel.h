// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running indicator's state: which of its spokes is the gap. It turns one spoke a tick.
class ClockWheel final {
public:
    static constexpr int kSpokes = 12;

    void Advance() { m_current = m_current + 1 >= kSpokes ? 0 : m_current + 1; }
    // -1 until the first tick, then 0..11, clockwise from three o'clock.
    [[nodiscard]] int GetCurrent() const { return m_current; }

private:
    int m_current = -1;
};
