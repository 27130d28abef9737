// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopQuestion.h"

#include "desktop/Notifier.h"

#include <QApplication>
#include <QWidget>

DesktopQuestion::DesktopQuestion(QWidget* window, Notifier* notifier, const QString& summary,
                                 const QString& body, const QStringList& actions, QObject* question,
                                 const std::function<void(const QString&)>& answer)
    : m_notifier(notifier) {
    if (window != nullptr)
        QApplication::alert(window);
    if (!m_notifier)
        return;
    m_handle = m_notifier->Show(summary, body, actions);
    m_connection = QObject::connect(m_notifier, &Notifier::actionInvoked, question,
                                    [this, answer](int handle, const QString& key) {
                                        if (handle == m_handle) {
                                            // Resident: the desktop keeps it until it is closed.
                                            m_handle = 0;
                                            m_notifier->Close(handle);
                                            answer(key);
                                        }
                                    });
}

DesktopQuestion::~DesktopQuestion() {
    QObject::disconnect(m_connection);
    if (m_notifier && m_handle != 0)
        m_notifier->Close(m_handle);
}
