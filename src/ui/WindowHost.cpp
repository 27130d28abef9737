#include "ui/WindowHost.h"

#include "clock/TimesUpDialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QSoundEffect>

WindowHost::WindowHost(QWidget* window, QWidget* owner) : m_window(window), m_owner(owner) {}

WindowHost::~WindowHost() = default;

void WindowHost::PlayAlert() {
    if (!m_sound) {
        m_sound = std::make_unique<QSoundEffect>();
        m_sound->setSource(QUrl(QStringLiteral("qrc:/sound/alert.wav")));
    }
    // Fire and forget: without an audio device it stays silent and nothing else changes.
    m_sound->play();
}

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
    if (!m_quitting)
        dialog.exec();
    return {dialog.m_nChoice, dialog.m_strMinutes.toStdString()};
}

bool WindowHost::AskOverrun(const std::string& goalName, const std::string& question) {
    if (m_quitting)
        return false;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(goalName), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setObjectName(QStringLiteral("overrunQuestion"));
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
