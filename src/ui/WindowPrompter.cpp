// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPrompter.h"

#include "session/MessageText.h"
#include "session/QuestionMirror.h"
#include "ui/TimesUpDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

} // namespace

WindowPrompter::WindowPrompter(QWidget* window, QWidget* owner) : m_window(window), m_owner(owner) {}

WindowPrompter::~WindowPrompter() = default;

void WindowPrompter::BringToFront() {
    if (!m_window)
        return;
    m_state = m_window->windowState();
    m_wasActive = m_window->isActiveWindow();
    ShowWindow();
}

void WindowPrompter::ShowWindow() {
    if (!m_window)
        return;
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

TimesUpHost::Answer WindowPrompter::AskTimesUp(const std::string& goalName) {
    TimesUpDialog dialog(m_window);
    dialog.m_strGoalName = Text(goalName);
    // Also asked where the user will see it on any desktop: a notification whose buttons answer
    // the dialog, and the taskbar's attention.
    std::unique_ptr<MirroredQuestion> mirrored;
    if (m_mirror != nullptr)
        mirrored = m_mirror->Mirror(
            tr("Time's Up!"), tr("Your time for %1 is up.").arg(Escaped(dialog.m_strGoalName)),
            {QStringLiteral("done"), tr("Mark done"), QStringLiteral("more"), tr("15 more minutes")}, &dialog,
            [&dialog](const QString& key) {
                dialog.Answer(key == QLatin1String("done") ? 0 : 1, QStringLiteral("15"));
            });
    dialog.exec();
    return {dialog.m_nChoice, dialog.m_strMinutes.toStdString()};
}

bool WindowPrompter::AskOverrun(const std::string& goalName, const std::string& question) {
    QMessageBox box(QMessageBox::NoIcon, Text(goalName), Text(question), QMessageBox::Yes | QMessageBox::No,
                    m_owner);
    box.setObjectName(QStringLiteral("overrunQuestion"));
    std::unique_ptr<MirroredQuestion> mirrored;
    if (m_mirror != nullptr)
        mirrored = m_mirror->Mirror(
            Text(goalName), Text(question),
            {QStringLiteral("yes"), tr("Yes"), QStringLiteral("no"), tr("No")}, &box,
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
void WindowPrompter::HandBack() {
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

void WindowPrompter::ShowMessage(const UserMessage& message) {
    const QMessageBox::Icon icon = message.icon == UserMessage::Icon::Warning       ? QMessageBox::Warning
                                   : message.icon == UserMessage::Icon::Information ? QMessageBox::Information
                                                                                    : QMessageBox::NoIcon;
    QMessageBox box(icon, MessageText::Caption(message), MessageText::Of(message), QMessageBox::Ok, m_owner);
    box.exec();
}

bool WindowPrompter::AskYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, m_owner);
    return box.exec() == QMessageBox::Yes;
}

Prompter::Reply WindowPrompter::AskYesNoCancel(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_owner);
    const int answer = box.exec();
    return answer == QMessageBox::Yes ? Reply::Yes : answer == QMessageBox::No ? Reply::No : Reply::Cancel;
}

bool WindowPrompter::AskAway(const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ordalune"), question,
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    m_awayQuestion = &box;
    std::unique_ptr<MirroredQuestion> mirrored;
    if (m_mirror != nullptr)
        mirrored =
            m_mirror->Mirror(tr("Welcome back"), Escaped(question),
                             {QStringLiteral("yes"), tr("Yes"), QStringLiteral("no"), tr("No")}, &box,
                             [&box](const QString& key) {
                                 box.done(key == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
                             });
    const int answer = box.exec();
    m_awayQuestion = nullptr;
    return answer == QMessageBox::Yes;
}

void WindowPrompter::WithdrawAwayQuestion() {
    if (m_awayQuestion)
        QMetaObject::invokeMethod(m_awayQuestion, "reject");
}

Prompter::ExitChoice WindowPrompter::AskExitRetry(const UserMessage& failure, const QString& detail) {
    QMessageBox box(QMessageBox::NoIcon, MessageText::Caption(failure),
                    MessageText::Of(failure) + "\n\n" + detail, QMessageBox::NoButton, m_owner);
    box.setObjectName(QStringLiteral("exitSaveFailed"));
    QPushButton* retry = box.addButton(tr("Retry"), QMessageBox::AcceptRole);
    QPushButton* quit = box.addButton(tr("Quit Anyway"), QMessageBox::DestructiveRole);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.setDefaultButton(retry);
    box.exec();
    return box.clickedButton() == quit    ? ExitChoice::QuitAnyway
           : box.clickedButton() == retry ? ExitChoice::Retry
                                          : ExitChoice::KeepOpen;
}
