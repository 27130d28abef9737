// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RenewalKeeper.h"

#include "clock/HistoryTable.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

RenewalRow Row(const RenewalKeeper::Plan& plan) {
    return {static_cast<int>(plan.setting.every), plan.setting.carryOver,
            plan.setting.budget.GetTotalSeconds(), plan.allowance.GetTotalSeconds(), plan.period};
}

CTimeSpan Span(std::int64_t seconds) { return CTimeSpan(seconds); }

} // namespace

RenewalKeeper::RenewalKeeper(GoalList& goals, GoalStore& store, RunRecorder& runs, int firstWeekday,
                             QObject* parent)
    : QObject(parent), m_goals(goals), m_store(store), m_runs(runs), m_firstWeekday(firstWeekday) {}

void RenewalKeeper::Loaded() {
    // The goals read have keys of their own: a plan still kept for one read before is never met,
    // and goes at its next boundary.
    m_store.Record([this, load = ++m_load](JournalRecorder& journal) {
        // Read on the store's thread once what came before is written, taken in on this object's.
        journal.ReadRenewals([this, load](JournalRecorder::Renewals renewals) {
            auto found = std::make_shared<JournalRecorder::Renewals>(std::move(renewals));
            QMetaObject::invokeMethod(
                this,
                [this, load, found] {
                    if (load != m_load)
                        return; // the goals were read again since
                    for (const auto& [key, row] : found->settings)
                        m_plans[key] = {
                            {static_cast<Renewal::Every>(row.every), row.carryOver, Span(row.budget)},
                            Span(row.allowance),
                            row.period};
                    m_unsaved = found->unsaved;
                    m_next = std::numeric_limits<std::int64_t>::min(); // looked at with the next tick
                    m_spent.clear();
                    JournalChanged();
                },
                Qt::QueuedConnection);
        });
    });
}

bool RenewalKeeper::Check(CTime now) {
    if (now.GetTime() < m_next) {
        Warn();
        return false;
    }
    bool changed = false;
    std::unordered_set<std::uint64_t> listed;
    for (int i = 0; i < m_goals.GetCount(); ++i) {
        Goal& goal = m_goals.GetAt(i);
        listed.insert(goal.GetKey());
        for (const auto& [key, record] : m_unsaved) {
            if (key != goal.GetKey())
                continue;
            goal.Set(goal.GetName(), Span(record.total), Span(record.remaining));
            goal.SetDone(record.remaining <= 0);
            m_store.Record([written = m_written, made = ++m_made, id = record.id](JournalRecorder&) {
                written->emplace_back(made, id);
            });
            changed = true;
        }
        const auto plan = m_plans.find(goal.GetKey());
        if (plan != m_plans.end() &&
            Renewal::Due(plan->second.setting, plan->second.period, now.GetTime(), m_firstWeekday)) {
            Renew(goal, plan->second, now);
            changed = true;
        }
    }
    m_unsaved.clear();
    std::erase_if(m_plans, [&listed](const auto& plan) { return listed.count(plan.first) == 0; }); // deleted
    Schedule();
    if (changed)
        JournalChanged();
    return changed;
}

void RenewalKeeper::Renew(Goal& goal, Plan& plan, CTime now) {
    // The seconds before the boundary belong to the old period, those after it to the new one.
    const CTime boundary(Renewal::NextStart(plan.setting.every, plan.period, m_firstWeekday));
    goal.CountUntil(boundary);
    if (goal.IsRunning())
        m_runs.Split(goal, boundary);
    const Renewal::Values values =
        Renewal::Renew(plan.setting, {goal.GetTotal(), goal.GetRemaining(), goal.IsDone()}, plan.allowance);
    goal.Set(goal.GetName(), values.total, values.remaining);
    goal.SetDone(values.done);
    plan.allowance = values.total;
    plan.period = Renewal::PeriodStart(plan.setting.every, now.GetTime(), m_firstWeekday);
    m_spent.erase(goal.GetKey()); // a new period: nothing spent in it until the journal says
    m_store.Record([key = goal.GetKey(), row = Row(plan), values, written = m_written,
                    made = ++m_made](JournalRecorder& journal) {
        journal.Renewed(key, row, values.total.GetTotalSeconds(), values.remaining.GetTotalSeconds(),
                        [written, made](std::int64_t record) {
                            if (record != 0)
                                written->emplace_back(made, record);
                        });
    });
}

void RenewalKeeper::Warn() {
    for (auto& [key, plan] : m_plans) {
        if (plan.warnedFor == plan.period)
            continue;
        for (int i = 0; i < m_goals.GetCount(); ++i) {
            const Goal& goal = m_goals.GetAt(i);
            const CTimeSpan spent = Spent(goal);
            if (goal.GetKey() == key && goal.IsRunning() &&
                std::int64_t{spent.GetTotalSeconds()} * 5 >=
                    std::int64_t{plan.allowance.GetTotalSeconds()} * 4) {
                plan.warnedFor = plan.period;
                emit nearlySpent(QString::fromStdString(goal.GetName()), Prompt(goal));
            }
        }
    }
}

void RenewalKeeper::Saved(std::int64_t made) {
    if (made <= m_marked)
        return; // no renewal since the last save written
    m_marked = made;
    // In order with the renewals' own records: every record of these renewals is written by now.
    m_store.Record([written = m_written, made](JournalRecorder& journal) {
        journal.Then([written, made, &journal] {
            std::erase_if(*written, [&journal, made](const auto& entry) {
                if (entry.first > made)
                    return false; // made after the goals were copied for this save
                journal.RenewalSaved(entry.second);
                return true;
            });
        });
    });
}

void RenewalKeeper::Choose(const Goal& goal, Renewal::Every every, bool carryOver, bool totalTyped,
                           CTime now) {
    const auto known = m_plans.find(goal.GetKey());
    if ((every == Renewal::Every::Never && known == m_plans.end()) || !m_store.OwnsGoals())
        return; // only the copy that owns the goal file keeps the journal, and renews
    Plan plan = known != m_plans.end() ? known->second
                                       : Plan{{every, carryOver, goal.GetTotal()}, goal.GetTotal(), 0};
    if (known == m_plans.end() || plan.setting.every != every) // this period runs to its end as it is
        plan.period = Renewal::PeriodStart(every, now.GetTime(), m_firstWeekday);
    if (totalTyped) // a new budget, from now on
        plan.setting.budget = plan.allowance = goal.GetTotal();
    plan.setting.every = every;
    plan.setting.carryOver = carryOver;
    if (every == Renewal::Every::Never)
        m_plans.erase(goal.GetKey());
    else
        m_plans[goal.GetKey()] = plan;
    m_store.Record(
        [key = goal.GetKey(), row = Row(plan)](JournalRecorder& journal) { journal.SetRenewal(key, row); });
    Schedule();
    m_spent.erase(goal.GetKey());
    JournalChanged();
    emit chosen();
}

const RenewalKeeper::Plan* RenewalKeeper::Of(const Goal& goal) const {
    const auto known = m_plans.find(goal.GetKey());
    return known == m_plans.end() ? nullptr : &known->second;
}

QString RenewalKeeper::Prompt(const Goal& goal) const {
    const Plan* plan = Of(goal);
    if (plan == nullptr)
        return {};
    static const char* const kDays[] = {
        QT_TR_NOOP("Sunday"),   QT_TR_NOOP("Monday"), QT_TR_NOOP("Tuesday"), QT_TR_NOOP("Wednesday"),
        QT_TR_NOOP("Thursday"), QT_TR_NOOP("Friday"), QT_TR_NOOP("Saturday")};
    const QString spent = QString::fromStdString(Spent(goal).FormatShort());
    const QString allowance = QString::fromStdString(plan->allowance.FormatShort());
    switch (plan->setting.every) {
    case Renewal::Every::Day:
        return tr("Renews daily — today %1 of %2 spent").arg(spent, allowance);
    case Renewal::Every::Week:
        return tr("Renews every %1 — this week %2 of %3 spent", "%1 is a day of the week")
            .arg(tr(kDays[m_firstWeekday % 7]), spent, allowance);
    case Renewal::Every::Month:
        return tr("Renews on the 1st — this month %1 of %2 spent").arg(spent, allowance);
    case Renewal::Every::Never:
        break;
    }
    return {};
}

void RenewalKeeper::Schedule() {
    m_next = std::numeric_limits<std::int64_t>::max();
    for (const auto& [key, plan] : m_plans)
        m_next = std::min(m_next, Renewal::NextStart(plan.setting.every, plan.period, m_firstWeekday));
}

CTimeSpan RenewalKeeper::Spent(const Goal& goal) const {
    const Plan* plan = Of(goal);
    if (plan == nullptr)
        return {};
    const auto read = m_spent.find(goal.GetKey());
    if (read == m_spent.end())
        return std::max(plan->allowance - goal.GetRemaining(), CTimeSpan());
    return CTimeSpan(read->second + m_runs.OpenSeconds(goal));
}

void RenewalKeeper::JournalChanged() {
    if (m_plans.empty())
        return;
    if (std::exchange(m_spentAsked, true)) {
        m_spentAgain = true; // one reading at a time; read again once it is done
        return;
    }
    std::vector<std::pair<std::uint64_t, std::int64_t>> periods;
    for (const auto& [key, plan] : m_plans)
        periods.emplace_back(key, plan.period);
    const std::int64_t now = CTime::GetCurrentTime().GetTime();
    m_store.Record([this, periods, now, load = m_load](JournalRecorder& journal) {
        journal.Then([this, periods, now, load, &journal] {
            auto spent = std::make_shared<std::unordered_map<std::uint64_t, std::int64_t>>();
            auto unread = std::make_shared<std::vector<std::uint64_t>>(); // held: what was known stays
            for (const auto& [key, from] : periods) {
                const std::int64_t id = journal.IdentityOf(key);
                auto runs = id == 0 ? std::vector<Interval>() : journal.History().Between(from, now + 1);
                if (!runs) {
                    unread->push_back(key);
                    continue;
                }
                std::vector<Interval> closed;
                for (Interval& run : *runs)
                    if (run.goal == id && run.endedBy != Interval::End::Running)
                        closed.push_back(std::move(run));
                if (id != 0)
                    (*spent)[key] = HistoryTable(closed, {from, std::max(from, now + 1)}).Total();
            }
            QMetaObject::invokeMethod(
                this,
                [this, spent, unread, load] {
                    m_spentAsked = false;
                    if (load == m_load) {
                        for (const std::uint64_t key : *unread)
                            if (const auto known = m_spent.find(key); known != m_spent.end())
                                spent->insert(*known);
                        m_spent = std::move(*spent);
                        emit spentChanged();
                    }
                    if (std::exchange(m_spentAgain, false))
                        JournalChanged();
                },
                Qt::QueuedConnection);
        });
    });
}
