#include "ui/WindowHost.h"

#include "clock/TimesUpDialog.h"
#include "ui/AlertSound.h"
#include "ui/DesktopQuestion.h"
#include "ui/Notifier.h"

#include <QAbstractButton>
#include <QApplication>

#include <QLabel>
#include <QMessageBox>

WindowHost::WindowHost(QWidget* window, QWidget* owner) : m_window(window), m_owner(owner) {}

WindowHost::~WindowHost() = default;

void WindowHost::SetNotifier(Notifier* notifier) { m_notifier = notifier; }

void WindowHost::PlayAlert() { AlertSound::Play(); }

void WindowHost::BringToFront() {
    if (!m_window)
        return;
    m_state = m_window->windowState();
    m_wasActive = m_window->isActiveWindow();
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

TimesUpHost::Answer WindowHost::AskTimesUp(const std::string& goalName) {
    TimesUpDialog dialog(m_window);
    dialog.m_strGoalName = QString::fromStdString(goalName);
    if (!m_quitting) {
        // Also asked where the user will see it on any desktop: a notification whose buttons
        // answer the dialog, and the taskbar's attention.
        const DesktopQuestion asked(
            m_window, m_notifier, QStringLiteral("Time's Up!"),
            QStringLiteral("Your time for %1 is up.").arg(Notifier::Escaped(dialog.m_strGoalName)),
            {QStringLiteral("done"), QStringLiteral("Mark done"), QStringLiteral("more"),
             QStringLiteral("15 more minutes")},
            &dialog, [&dialog](const QString& key) {
                dialog.Answer(key == QLatin1String("done") ? 0 : 1, QStringLiteral("15"));
            });
        dialog.exec();
    }
    return {dialog.m_nChoice, dialog.m_strMinutes.toStdString()};
}

bool WindowHost::AskOverrun(const std::string& goalName, const std::string& question) {
    if (m_quitting)
        return false;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(goalName), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setObjectName(QStringLiteral("overrunQuestion"));
    const DesktopQuestion asked(
        m_window, m_notifier, QString::fromStdString(goalName), QString::fromStdString(question),
        {QStringLiteral("yes"), QStringLiteral("Yes"), QStringLiteral("no"), QStringLiteral("No")}, &box,
        [&box](const QString& key) {
            box.button(key == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No)->click();
        });
    // The question is one sentence on one line: the box, which wraps text past a fixed width, is
    // made as wide as the line.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label->text()) + 1);
    return box.exec() == QMessageBox::Yes;
}

// A window that was minimised goes back to the task bar; one that was behind another program's
// goes behind again.
void WindowHost::HandBack() {
    if (!m_window)
        return;
    if (m_state & Qt::WindowMinimized)
        m_window->showMinimized();
    else if (m_state & Qt::WindowMaximized)
        m_window->showMaximized();
    else if (m_state & Qt::WindowFullScreen)
        m_window->showFullScreen();
    if (!m_wasActive && !(m_state & Qt::WindowMinimized))
        m_window->lower();
}
