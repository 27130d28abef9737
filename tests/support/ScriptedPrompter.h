// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/Prompter.h"

#include <QStringList>

#include <functional>

// Answers the session's questions from a script and notes each one as a line: "yes/no Gym: Delete
// this goal?". Unscripted questions get the answer Esc would give. `during` runs inside each
// question, as the user's other doings while it stands open.
class ScriptedPrompter final : public Prompter {
public:
    QStringList log;
    QList<bool> yes;                    // yes/no, overrun and away answers, in turn
    QList<TimesUpHost::Answer> timesUp; // Time's Up answers
    QList<ExitChoice> exits;            // exit-retry answers
    QList<Reply> replies;               // yes/no/cancel answers
    std::function<void(const QString&)> during;

    void BringToFront() override { Note("front"); }
    void HandBack() override { Note("hand back"); }
    void ShowWindow() override { Note("show"); }
    void WithdrawAwayQuestion() override { Note("withdraw"); }
    TimesUpHost::Answer AskTimesUp(const std::string& goalName) override {
        Note("time's up " + QString::fromStdString(goalName));
        return timesUp.isEmpty() ? TimesUpHost::Answer{0, "15"} : timesUp.takeFirst();
    }
    bool AskOverrun(const std::string& goalName, const std::string& question) override {
        return Yes("overrun " + QString::fromStdString(goalName + ": " + question));
    }
    void ShowMessage(const UserMessage& message) override {
        Note("message " + QString::fromStdString(message.caption + ": " + message.text));
    }
    bool AskYesNo(const QString& caption, const QString& text) override {
        return Yes("yes/no " + caption + ": " + text);
    }
    bool AskAway(const QString& question) override { return Yes("away " + question); }
    Reply AskYesNoCancel(const QString& caption, const QString& text) override {
        Note("yes/no/cancel " + caption + ": " + text);
        return replies.isEmpty() ? Reply::Cancel : replies.takeFirst();
    }
    ExitChoice AskExitRetry(const UserMessage& failure, const QString& detail) override {
        Note("exit " + QString::fromStdString(failure.text) + " " + detail);
        return exits.isEmpty() ? ExitChoice::KeepOpen : exits.takeFirst();
    }

private:
    void Note(const QString& line) {
        log << line;
        if (during)
            during(line);
    }
    bool Yes(const QString& line) {
        Note(line);
        return !yes.isEmpty() && yes.takeFirst();
    }
};
