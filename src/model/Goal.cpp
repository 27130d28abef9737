#include "model/Goal.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<std::uint64_t> g_lastKey{0};

} // namespace

Goal::Goal(std::string name, CTimeSpan total, CTimeSpan remaining)
    : m_key(++g_lastKey), m_done(remaining == CTimeSpan()) {
    Set(std::move(name), total, remaining);
}

void Goal::Set(std::string name, CTimeSpan total, CTimeSpan remaining) {
    m_name = std::move(name);
    m_total = total;
    m_remaining = remaining;
    UpdateBar();
}

void Goal::ToggleRunning() {
    m_running = !m_running;
    if (m_running)
        m_runningSince = m_lastTick = CTime::GetCurrentTime();
}

bool Goal::Tick() {
    const CTime now = CTime::GetCurrentTime();
    CTimeSpan elapsed = now - m_lastTick;
    if (elapsed > m_remaining)
        elapsed = m_remaining;
    // A clock set back gives a negative step, which gives the time back: the goal follows the
    // wall clock both ways.
    m_remaining -= elapsed;
    m_lastTick = now;
    UpdateBar();
    m_wheel.Advance();
    return m_remaining <= CTimeSpan();
}

void Goal::CountUntil(CTime until) {
    if (!m_running || until.GetTime() <= m_lastTick.GetTime())
        return;
    m_remaining -= std::min(until - m_lastTick, std::max(m_remaining, CTimeSpan()));
    m_lastTick = until;
    UpdateBar();
}

void Goal::UpdateBar() {
    m_bar.SetProgress((m_total - m_remaining).GetTotalSeconds(), m_total.GetTotalSeconds());
}
