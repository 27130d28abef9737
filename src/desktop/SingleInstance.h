#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One running copy per user and display. A later start asks the running copy to show its window
// and ends; the marker it finds is a local socket in the abstract namespace, which vanishes with
// the process that owns it, so a killed copy leaves nothing stale. Plain sockets, so no network
// library loads at start for it.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket's name for this user and display.
    [[nodiscard]] static QString ServerName();
    // True when a running copy took the request to show itself.
    [[nodiscard]] static bool HandOver(int timeoutMs = 2000);
    // Whether the command line lets this copy run beside another: "-m" or "-M" first.
    [[nodiscard]] static bool AllowsAnotherCopy(const QStringList& arguments);

    // Starts answering later starts; called once the main window exists.
    bool Publish();

signals:
    void showRequested();

private:
    // Reads one request from a later start.
    void Listen(int peer);

    int m_socket = -1;
    QSocketNotifier* m_notifier = nullptr;
};
