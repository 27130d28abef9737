// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class GoalSession;

// One goal as control from outside the window sees it.
struct RemoteGoal {
    QString name;
    qint64 total = 0;     // seconds
    qint64 remaining = 0; // seconds
    bool running = false;
    qint64 finish = 0; // when a running clock will be done, in seconds since 1970; 0 when stopped
};

// The commands that reach the goals from outside the window: the bus interface, and through it
// the command line. They keep the window's own rules: Start leaves the other clocks running, a
// goal with no time left is done and does not start, Add reads its time as the goal dialog does.
// A name addresses the first goal of that name, in list order; the "No Goals" placeholder is no
// goal. Nothing here moves the selection.
class RemoteControl final : public QObject {
    Q_OBJECT

public:
    static constexpr int kSignalGapMs = 1000;
    static constexpr int kMaxTimeLength = 32;

    enum class Failure { None, NoSuchGoal, GoalDone, BadTime, BadName, NotOwner, Busy };
    struct Result {
        Failure failure = Failure::None;
        QString message; // the reason, for the user
    };

    explicit RemoteControl(GoalSession& session, QObject* parent = nullptr);

    [[nodiscard]] QList<RemoteGoal> List() const;
    // The names of the goals whose clocks run, in list order.
    [[nodiscard]] QStringList Running() const;
    Result Start(const QString& name);
    Result Stop(const QString& name);
    Result Toggle(const QString& name);
    Result StopAll();
    // Adds a goal with `total` as its Total and Remaining time; a zero Total is refused.
    Result Add(const QString& name, const QString& total);

signals:
    // The goals, a goal's values or the running clocks changed: at most once a second.
    void changed();

private:
    // Why nothing may change: another copy owns the goal file, or, for the clocks, a time's-up
    // question is open (the window takes no command then either, so no answer is overtaken).
    [[nodiscard]] Result Refusal(bool clocks) const;
    // The goal's index, or why there is none.
    [[nodiscard]] Result Find(const QString& name, int* index) const;
    void Note();

    GoalSession& m_session;
    QTimer m_gap;
};
