// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

// A message bus of the test's own, so nothing reaches the machine's buses or starts one of its
// own. It ends with the test, however the test ends.
class PrivateBus final {
public:
    // Starts the bus; empty when it could not be started.
    QString Start() {
        m_daemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_daemon.start(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")),
                       {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10000))
            return {};
        return QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

private:
    QProcess m_daemon;
};
