// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/Renewal.h"
#include "model/GoalList.h"
#include "session/RunRecorder.h"
#include "storage/GoalStore.h"

#include <QObject>

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Budgets that renew: which goals renew and how, kept with the journal, and the renewals as their
// periods end. The journal belongs to the copy that owns the goal file, so only that copy renews.
class RenewalKeeper final : public QObject {
    Q_OBJECT

public:
    struct Plan {
        Renewal::Setting setting;
        CTimeSpan allowance;        // the Total the current period started with
        std::int64_t period = 0;    // when the current period began
        std::int64_t warnedFor = 0; // the period whose budget was told nearly spent
    };

    // `firstWeekday`: the locale's, 0 for Sunday.
    RenewalKeeper(GoalList& goals, GoalStore& store, RunRecorder& runs, int firstWeekday,
                  QObject* parent = nullptr);

    // The goals were read: their renewals are read from the journal, once it is open, and applied
    // at the next Check.
    void Loaded();
    // Applies what the journal holds and the goal file may not (a crash between the two), then
    // renews every goal whose period has ended, once however many ended: a running clock counts
    // to the boundary first, and its run is cut there. True when any goal changed: the goal file
    // is to be saved at once.
    bool Check(CTime now);
    // How many renewals this run has made. A save asked for once there were `made` holds them all;
    // when it is written they are marked as held, so the next start never applies them again over
    // what was saved after them.
    [[nodiscard]] std::int64_t Made() const { return m_made; }
    void Saved(std::int64_t made);
    // The goal dialog's choice for a goal. Switched on, the current period runs to its end with the
    // Total it has, which becomes the budget; later a Total the user typed is the new budget.
    void Choose(const Goal& goal, Renewal::Every every, bool carryOver, bool totalTyped, CTime now);
    [[nodiscard]] const Plan* Of(const Goal& goal) const;
    [[nodiscard]] std::optional<Renewal::Setting> SettingOf(const Goal& goal) const {
        const Plan* plan = Of(goal);
        return plan != nullptr ? std::optional(plan->setting) : std::nullopt;
    }
    // "Renews every Monday — this week 3:10 of 5:00 spent"; empty for a goal that does not renew.
    [[nodiscard]] QString Prompt(const Goal& goal) const;
    // The time a renewing goal has spent in its period: the journal's, corrections included, as
    // the History window counts it, with what its running clock counted since the journal last
    // heard. Until the journal has answered, what the clock took off the allowance.
    [[nodiscard]] CTimeSpan Spent(const Goal& goal) const;
    // The journal changed (a run written, a correction): its time in each period is read again.
    void JournalChanged();

signals:
    // A goal's renewal was chosen or changed.
    void chosen();
    // A running goal has used 80% of its period's allowance: told once a period.
    void nearlySpent(const QString& goal, const QString& prompt);
    // The time spent in the periods was read anew from the journal.
    void spentChanged();

private:
    void Renew(Goal& goal, Plan& plan, CTime now);
    void Warn();
    void Schedule();

    GoalList& m_goals;
    GoalStore& m_store;
    RunRecorder& m_runs;
    int m_firstWeekday;
    std::unordered_map<std::uint64_t, Plan> m_plans;
    std::vector<std::pair<std::uint64_t, RenewalRecord>> m_unsaved; // read, to be applied
    std::int64_t m_next = std::numeric_limits<std::int64_t>::max(); // the first boundary to come
    std::int64_t m_made = 0;
    std::int64_t m_marked = 0; // renewals known to be held by the goal file
    // The records of renewals not yet held by the goal file, each with its renewal's number; on
    // the store's thread.
    using Written = std::vector<std::pair<std::int64_t, std::int64_t>>;
    std::shared_ptr<Written> m_written = std::make_shared<Written>();
    unsigned m_load = 0; // which reading of the goals the journal's answer is for
    std::unordered_map<std::uint64_t, std::int64_t> m_spent; // the journal's, runs still open left out
    bool m_spentAsked = false;
    bool m_spentAgain = false;
};
