// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/RunCommand.h"

#include <QCoreApplication>

RunCommand::RunCommand(HistoryBackend& backend, std::optional<Interval> before, std::optional<Interval> after,
                       std::function<void(bool, std::int64_t)> saved)
    : m_backend(backend), m_state(std::make_shared<State>(State{std::move(before), std::move(after)})),
      m_saved(std::move(saved)) {
    setText(!m_state->before  ? QCoreApplication::translate("History", "Add run")
            : !m_state->after ? QCoreApplication::translate("History", "Delete run")
                              : QCoreApplication::translate("History", "Change run"));
}

void RunCommand::Apply(const std::optional<Interval>& from, const std::optional<Interval>& to) {
    const auto saved = [done = m_saved](bool ok) {
        if (done)
            done(ok, 0);
    };
    if (from && to) {
        m_backend.Change(*to, saved);
    } else if (from) {
        m_backend.Remove(from->id, saved);
    } else if (to) {
        // Made again under the id it had, so later steps still find it; the first time the
        // journal gives it one, never one a run had before.
        m_backend.Add(*to, [state = m_state, done = m_saved](std::int64_t id) {
            if (state->after && state->after->id == 0)
                state->after->id = id;
            if (done)
                done(id != 0, id);
        });
    }
}
