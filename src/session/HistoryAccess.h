// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GoalList.h"
#include "session/HistoryBackend.h"
#include "storage/GoalStore.h"
#include "storage/HistoryExport.h"

#include <QObject>

// The journal as the History window and the export see it, through the store's thread.
class HistoryAccess final : public QObject, public HistoryBackend {
    Q_OBJECT

public:
    HistoryAccess(GoalStore& store, const GoalList& goals, QObject* parent = nullptr);

    void Query(std::int64_t from, std::int64_t to,
               std::function<void(std::optional<std::vector<Interval>>)> done) override;
    void Goals(std::function<void(std::vector<std::pair<std::int64_t, std::string>>)> done) override;
    void Add(Interval run, std::function<void(std::int64_t)> done) override;
    void Change(Interval run, std::function<void(bool)> done) override;
    void Remove(std::int64_t run, std::function<void(bool)> done) override;
    [[nodiscard]] std::vector<std::string> Listed() const override;
    [[nodiscard]] std::optional<CTimeSpan> TotalOf(const std::string& name) const override;
    [[nodiscard]] std::optional<Renewal::Setting> BudgetOf(const std::string& name) const override;
    // Where a listed goal's renewing budget is found.
    void SetBudgets(std::function<std::optional<Renewal::Setting>(const Goal&)> budgets) {
        m_budgets = std::move(budgets);
    }
    void OnChanged(std::function<void()> changed) override { m_changed = std::move(changed); }
    // Told after each correction the journal has taken.
    void OnCorrected(std::function<void()> corrected) { m_corrected = std::move(corrected); }

    // The whole journal in an open format: its text, or why there is none.
    struct Exported {
        std::optional<std::string> text; // none when this copy keeps no history
        bool held = false;               // or when another program held the journal throughout
    };
    void Export(HistoryExport::Format format, std::function<void(Exported)> done);
    // The runs have changed: the window, if open, reads them again.
    void Changed();

private:
    // Runs `work` on the store's thread and hands its result to `done` on this object's thread.
    template <typename Result>
    void Ask(std::function<Result(Journal&)> work, std::function<void(Result)> done);
    // `done`, after telling that the journal took a correction.
    template <typename Result> std::function<void(Result)> Corrected(std::function<void(Result)> done);

    GoalStore& m_store;
    const GoalList& m_goals;
    std::function<void()> m_changed;
    std::function<void()> m_corrected;
    std::function<std::optional<Renewal::Setting>(const Goal&)> m_budgets;
};
