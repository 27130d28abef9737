// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C) into a signal in the event loop,
// so the program closes the way closing its window does.
class SignalHandler final : public QObject {
    Q_OBJECT

public:
    explicit SignalHandler(QObject* parent = nullptr);
    ~SignalHandler() override;

signals:
    void terminationRequested(int signal);

private:
    static void Handle(int signal);
    static int s_fds[2];
    QSocketNotifier* m_notifier = nullptr;
};
