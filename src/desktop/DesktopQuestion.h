// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/QuestionMirror.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class Notifier;
class QWidget;

// While a question stands open in the window, it also reaches the desktop: the taskbar marks the
// window, and a notification (where there is a notifier) offers the answers. Choosing one answers
// the question; answering in the window withdraws the notification.
class DesktopQuestion final : public MirroredQuestion {
public:
    // `actions` alternate keys and labels; `answer` gets the chosen key.
    DesktopQuestion(QWidget* window, Notifier* notifier, const QString& summary, const QString& body,
                    const QStringList& actions, QObject* question,
                    const std::function<void(const QString&)>& answer);
    ~DesktopQuestion() override;
    DesktopQuestion(const DesktopQuestion&) = delete;
    DesktopQuestion& operator=(const DesktopQuestion&) = delete;

private:
    QPointer<Notifier> m_notifier;
    int m_handle = 0;
    QMetaObject::Connection m_connection;
};
