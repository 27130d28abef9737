#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>

// Hears from logind when the machine is about to sleep and when it woke up. It holds a "delay"
// sleep inhibitor, so the running clocks are stopped before the machine sleeps; the inhibitor
// is let go once they are and taken again after each resume. Without a system bus it is silent.
class PowerMonitor final : public QObject {
    Q_OBJECT

public:
    explicit PowerMonitor(QObject* parent = nullptr);

    [[nodiscard]] bool IsConnected() const { return m_connected; }
    [[nodiscard]] bool HoldsInhibitor() const { return m_inhibitor.isValid(); }
    // Lets the machine go to sleep.
    void ReleaseInhibitor();

public slots:
    void OnPrepareForSleep(bool start);

signals:
    // Stop the clocks, then call ReleaseInhibitor().
    void suspending();
    void resumed();

private:
    void TakeInhibitor();

    bool m_connected = false;
    QDBusUnixFileDescriptor m_inhibitor;
};
