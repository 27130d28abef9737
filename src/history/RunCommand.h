// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/HistoryBackend.h"

#include <QUndoCommand>

#include <functional>
#include <memory>
#include <optional>

// One correction of the journal, undoable: a run added (nothing before), deleted (nothing after)
// or changed. Each step is saved at once; `saved` is told when the journal has it, or false when
// the journal could not take it, with the id of a run it made.
class RunCommand final : public QUndoCommand {
public:
    RunCommand(HistoryBackend& backend, std::optional<Interval> before, std::optional<Interval> after,
               std::function<void(bool, std::int64_t)> saved);

    void redo() override { Apply(m_state->before, m_state->after); }
    void undo() override { Apply(m_state->after, m_state->before); }

private:
    struct State {
        std::optional<Interval> before;
        std::optional<Interval> after;
    };
    void Apply(const std::optional<Interval>& from, const std::optional<Interval>& to);

    HistoryBackend& m_backend;
    std::shared_ptr<State> m_state; // shared with answers that may come after the command is gone
    std::function<void(bool, std::int64_t)> m_saved;
};
