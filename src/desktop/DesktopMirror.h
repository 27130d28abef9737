// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/QuestionMirror.h"

#include <QPointer>
#include <QWidget>

class Notifier;

// Puts the window's questions before the user on the desktop: the taskbar's attention for
// `window`, and a notification with the answers while notifications are on.
class DesktopMirror final : public QuestionMirror {
public:
    explicit DesktopMirror(QWidget* window) : m_window(window) {}

    // nullptr: no notifications.
    void SetNotifier(Notifier* notifier);

    std::unique_ptr<MirroredQuestion> Mirror(const QString& summary, const QString& body,
                                             const QStringList& actions, QObject* question,
                                             const std::function<void(const QString&)>& answer) override;

private:
    QPointer<QWidget> m_window;
    QPointer<Notifier> m_notifier;
};
