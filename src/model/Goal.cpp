// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Goal.h"

#include "model/Clock.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<std::uint64_t> g_lastKey{0};
std::atomic<std::uint64_t> g_runningChanges{0};

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

std::uint64_t Goal::RunningChanges() { return g_runningChanges.load(std::memory_order_relaxed); }

void Goal::ToggleRunning() {
    m_running = !m_running;
    g_runningChanges.fetch_add(1, std::memory_order_relaxed);
    if (!m_running)
        return;
    m_runningSince = m_lastTick = CTime::GetCurrentTime();
    m_lastPassing = Clock::Current().Passing();
    m_countedAtStart = m_counted;
}

bool Goal::Tick() {
    const std::int64_t passing = Clock::Current().Passing();
    const std::int64_t step = std::clamp<std::int64_t>(passing - m_lastPassing, 0,
                                                       std::max(m_remaining, CTimeSpan()).GetTotalSeconds());
    m_remaining -= CTimeSpan(step);
    m_counted += step;
    m_lastPassing = passing;
    m_lastTick = CTime::GetCurrentTime();
    UpdateBar();
    m_wheel.Advance();
    return m_remaining <= CTimeSpan();
}

void Goal::CountUntil(CTime until) {
    if (!m_running || until.GetTime() <= m_lastTick.GetTime())
        return;
    const std::int64_t passed = std::max<std::int64_t>(Clock::Current().Passing() - m_lastPassing, 0);
    const std::int64_t step = std::min({std::int64_t{(until - m_lastTick).GetTotalSeconds()}, passed,
                                        std::int64_t{std::max(m_remaining, CTimeSpan()).GetTotalSeconds()}});
    m_remaining -= CTimeSpan(step);
    m_counted += step;
    m_lastPassing += step;
    m_lastTick = until;
    UpdateBar();
}

void Goal::GiveBack(CTimeSpan span) {
    m_remaining += span;
    m_counted -= span.GetTotalSeconds();
    UpdateBar();
}

void Goal::UpdateBar() {
    m_bar.SetProgress((m_total - m_remaining).GetTotalSeconds(), m_total.GetTotalSeconds());
}
