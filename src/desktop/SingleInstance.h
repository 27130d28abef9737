// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One running copy per user and display. A later start asks the running copy to show its window
// and ends. The marker is a local socket in the user's own run-time folder, which no other user
// can enter, so nobody else can hold or reach it; where there is no such folder, a socket in the
// abstract namespace, checked for its user at both ends. Plain sockets, so no network library
// loads at start for it.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // How many later starts may be heard at once, and how long each has to speak.
    static constexpr int kMaxPeers = 8;
    static constexpr int kPeerDeadlineMs = 1000;

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket's name for this user and display.
    [[nodiscard]] static QString ServerName();
    // Where the socket is: a path, or "@name" in the abstract namespace.
    [[nodiscard]] static QString Address();
    // True when a running copy of this user's took the request to show itself.
    [[nodiscard]] static bool HandOver(int timeoutMs = 2000);
    // Whether the command line lets this copy run beside another: "-m" or "-M" first.
    [[nodiscard]] static bool AllowsAnotherCopy(const QStringList& arguments);

    // Starts answering later starts; called once the main window exists.
    bool Publish();
    [[nodiscard]] int OpenPeers() const { return m_peers; }

signals:
    void showRequested();

private:
    // Reads one request from a later start, then lets it go.
    void Listen(int peer);

    int m_socket = -1;
    int m_peers = 0;
    QByteArray m_path; // the socket file this copy made, removed when it ends
    QSocketNotifier* m_notifier = nullptr;
};
