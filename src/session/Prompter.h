// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/TimesUpHost.h"
#include "storage/UserMessage.h"

#include <QString>

// Everything the session asks or tells the user, in one place: the program answers with its
// dialogs, the tests with a script.
class Prompter {
public:
    enum class ExitChoice { Retry, QuitAnyway, KeepOpen };
    enum class Reply { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // Remembers how the main window stood, then brings it to the front in its normal state.
    virtual void BringToFront() = 0;
    // The Time's Up question for the goal.
    virtual TimesUpHost::Answer AskTimesUp(const std::string& goalName) = 0;
    // The overrun question, captioned with the goal's name; true for Yes.
    virtual bool AskOverrun(const std::string& goalName, const std::string& question) = 0;
    // Puts the main window back as BringToFront found it.
    virtual void HandBack() = 0;

    virtual void ShowMessage(const UserMessage& message) = 0;
    // True for Yes.
    virtual bool AskYesNo(const QString& caption, const QString& text) = 0;
    virtual Reply AskYesNoCancel(const QString& caption, const QString& text) = 0;
    // The question on return to the desk; true for Yes. Withdrawn (answered No) by
    // WithdrawAwayQuestion while it stands open.
    virtual bool AskAway(const QString& question) = 0;
    virtual void WithdrawAwayQuestion() = 0;
    // The exit save failed: try again, end without saving, or keep the program running.
    virtual ExitChoice AskExitRetry(const UserMessage& failure, const QString& detail) = 0;
    // Shows the main window in its normal state, in front.
    virtual void ShowWindow() = 0;
};
