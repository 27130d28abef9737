// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/HistoryAccess.h"

#include <QCoreApplication>
#include <QPointer>

#include <limits>
#include <memory>

HistoryAccess::HistoryAccess(GoalStore& store, const GoalList& goals, QObject* parent)
    : QObject(parent), m_store(store), m_goals(goals) {}

template <typename Result>
void HistoryAccess::Ask(std::function<Result(Journal&)> work, std::function<void(Result)> done) {
    // The answer comes back through the application, not through this object: it may be gone by
    // the time the store reaches the question, and is told only if it is still there.
    m_store.Record([alive = QPointer<HistoryAccess>(this), work = std::move(work),
                    done = std::move(done)](JournalRecorder& journal) {
        auto result = std::make_shared<Result>(work(journal.History()));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, done, result] {
                if (alive)
                    done(std::move(*result));
            },
            Qt::QueuedConnection);
    });
}

void HistoryAccess::Query(std::int64_t from, std::int64_t to,
                          std::function<void(std::optional<std::vector<Interval>>)> done) {
    Ask<std::optional<std::vector<Interval>>>(
        [from, to](Journal& journal) { return journal.Between(from, to); }, std::move(done));
}

void HistoryAccess::Goals(std::function<void(std::vector<std::pair<std::int64_t, std::string>>)> done) {
    Ask<std::vector<std::pair<std::int64_t, std::string>>>([](Journal& journal) { return journal.Goals(); },
                                                           std::move(done));
}

void HistoryAccess::Add(Interval run, std::function<void(std::int64_t)> done) {
    Ask<std::int64_t>([run](Journal& journal) { return journal.Add(run); }, Corrected(std::move(done)));
}

void HistoryAccess::Change(Interval run, std::function<void(bool)> done) {
    Ask<bool>([run](Journal& journal) { return journal.Change(run); }, Corrected(std::move(done)));
}

void HistoryAccess::Remove(std::int64_t run, std::function<void(bool)> done) {
    Ask<bool>([run](Journal& journal) { return journal.Remove(run); }, Corrected(std::move(done)));
}

template <typename Result>
std::function<void(Result)> HistoryAccess::Corrected(std::function<void(Result)> done) {
    return [this, done = std::move(done)](Result result) {
        if (result && m_corrected)
            m_corrected();
        if (done)
            done(result);
    };
}

std::vector<std::string> HistoryAccess::Listed() const {
    std::vector<std::string> names;
    for (int i = 0; i < m_goals.GetCount(); ++i)
        if (!GoalList::IsPlaceholder(m_goals.GetAt(i)))
            names.push_back(m_goals.GetAt(i).GetName());
    return names;
}

std::optional<CTimeSpan> HistoryAccess::TotalOf(const std::string& name) const {
    for (int i = 0; i < m_goals.GetCount(); ++i)
        if (m_goals.GetAt(i).GetName() == name)
            return m_goals.GetAt(i).GetTotal();
    return std::nullopt;
}

std::optional<Renewal::Setting> HistoryAccess::BudgetOf(const std::string& name) const {
    for (int i = 0; i < m_goals.GetCount() && m_budgets; ++i)
        if (m_goals.GetAt(i).GetName() == name)
            return m_budgets(m_goals.GetAt(i));
    return std::nullopt;
}

void HistoryAccess::Export(HistoryExport::Format format, std::function<void(Exported)> done) {
    if (!m_store.OwnsGoals()) // the copy that owns the goal file keeps the history
        return done({});
    Ask<Exported>(
        [format](Journal& journal) -> Exported {
            if (!journal.IsOpen())
                return {}; // a header alone would look like a history with nothing in it
            const auto runs = journal.Between(std::numeric_limits<std::int64_t>::min(),
                                              std::numeric_limits<std::int64_t>::max());
            if (!runs)
                return {std::nullopt, true}; // a part would look like the whole
            return {HistoryExport::Write(*runs, format)};
        },
        std::move(done));
}

void HistoryAccess::Changed() {
    if (m_changed)
        m_changed();
}
