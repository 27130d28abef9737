// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

// Desktop notifications through the freedesktop notification service on the session bus. All of
// it is optional: with no bus, no service or a service without actions, nothing fails.
class Notifier final : public QObject {
    Q_OBJECT

public:
    Notifier(const QDBusConnection& bus, QObject* parent);

    // Shows a notification that stays until it is closed; `actions` alternate keys and labels.
    // Returns a handle for Close; the service's own number arrives later.
    int Show(const QString& summary, const QString& body, const QStringList& actions);
    void Close(int handle);
    [[nodiscard]] static QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

signals:
    // The user chose `key` on the notification `handle`.
    void actionInvoked(int handle, const QString& key);

private slots:
    void OnActionInvoked(uint id, const QString& key);
    void OnClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    int m_next = 0;
    QHash<int, uint> m_ids; // handle -> the service's number, once known
    QSet<int> m_pending;    // shown, the service's number not known yet
    QSet<int> m_closeSoon;  // closed before the service's number arrived
};
