// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the time's-up rules need from the platform. The program implements it with the sound,
// the main window and the dialogs; tests implement it with scripted answers.
class TimesUpHost {
public:
    struct Answer {
        int choice = 0;      // 0: stop and mark done; anything else: continue
        std::string minutes; // the minutes text as the dialog left it
    };

    virtual ~TimesUpHost() = default;

    // Starts the alert and returns at once.
    virtual void PlayAlert() = 0;
    // Remembers how the main window stood, then brings it to the front in its normal state.
    virtual void BringToFront() = 0;
    // The Time's Up question for the goal.
    virtual Answer AskTimesUp(const std::string& goalName) = 0;
    // The overrun question, captioned with the goal's name; true for Yes.
    virtual bool AskOverrun(const std::string& goalName, const std::string& question) = 0;
    // Puts the main window back as BringToFront found it.
    virtual void HandBack() = 0;
};
