// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Prompter.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

class QuestionMirror;

// The session's questions as the program asks them: message boxes and the Time's Up dialog over
// the main window, which is brought to the front for time's up and handed back after it. Each
// question is also mirrored outside the window where a mirror is set.
class WindowPrompter final : public Prompter {
    Q_DECLARE_TR_FUNCTIONS(WindowPrompter)

public:
    // `window` is the main window; `owner` owns the questions.
    WindowPrompter(QWidget* window, QWidget* owner);
    ~WindowPrompter() override;

    // Where the questions are also shown (the taskbar, notifications); nullptr for none.
    void SetMirror(QuestionMirror* mirror) { m_mirror = mirror; }

    void BringToFront() override;
    TimesUpHost::Answer AskTimesUp(const std::string& goalName) override;
    bool AskOverrun(const std::string& goalName, const std::string& question) override;
    void HandBack() override;
    void ShowMessage(const UserMessage& message) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    Reply AskYesNoCancel(const QString& caption, const QString& text) override;
    bool AskAway(const QString& question) override;
    void WithdrawAwayQuestion() override;
    ExitChoice AskExitRetry(const UserMessage& failure, const QString& detail) override;
    void ShowWindow() override;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_owner;
    QuestionMirror* m_mirror = nullptr;
    QPointer<QWidget> m_awayQuestion;
    Qt::WindowStates m_state;
    bool m_wasActive = true;
};
