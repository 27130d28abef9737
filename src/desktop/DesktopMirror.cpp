// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopMirror.h"

#include "desktop/DesktopQuestion.h"
#include "desktop/Notifier.h"

void DesktopMirror::SetNotifier(Notifier* notifier) { m_notifier = notifier; }

std::unique_ptr<MirroredQuestion> DesktopMirror::Mirror(const QString& summary, const QString& body,
                                                        const QStringList& actions, QObject* question,
                                                        const std::function<void(const QString&)>& answer) {
    return std::make_unique<DesktopQuestion>(m_window, m_notifier, summary, body, actions, question, answer);
}
