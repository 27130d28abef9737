// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

// Marks an English text for translation where it is written, in code that knows nothing of Qt:
// the window translates it in `context` (lupdate reads the mark as QT_TRANSLATE_NOOP).
#define ORDALUNE_TRANSLATE(context, text) text

// Something the user must be told. Storage decides the words; the window shows them, in the
// user's language where the message's parts carry its templates.
struct UserMessage {
    enum class Icon { None, Warning, Information };
    // A run of the words: an English template marked with ORDALUNE_TRANSLATE, and the texts its
    // %1, %2... stand for.
    struct Part {
        Part(const char* context, const char* text, std::vector<std::string> args = {})
            : context(context), text(text), args(std::move(args)) {}

        const char* context;
        const char* text;
        std::vector<std::string> args;

        [[nodiscard]] std::string English() const;
    };

    std::string text; // in English, as shown where no translation is in use
    // Empty: the application's title ("Ordalune"); else a marked English text of context "UserMessage".
    std::string caption;
    Icon icon = Icon::None;
    std::vector<Part> parts; // the text as templates; empty for a text with none

    // The message of these parts, its text their English run.
    [[nodiscard]] static UserMessage Of(std::vector<Part> parts, std::string caption = {},
                                        Icon icon = Icon::None);
    // The message with these parts put after its own.
    UserMessage& Append(std::vector<Part> more);
};
