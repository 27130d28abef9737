// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The bar's state: time spent (position) against the Total (range), both in seconds.
class ProgressBar final {
public:
    void SetProgress(std::int32_t position, std::int32_t range) {
        m_position = position;
        m_range = range;
    }
    [[nodiscard]] std::int32_t GetPosition() const { return m_position; }
    [[nodiscard]] std::int32_t GetRange() const { return m_range; }

    // Pixels of filling for a bar whose inside is `length` pixels wide: position / range of it,
    // truncated; 0 when the range is 0.
    [[nodiscard]] int FillLength(int length) const;

private:
    std::int32_t m_position = 0;
    std::int32_t m_range = 0;
};
