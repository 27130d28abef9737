// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/TranslationMark.h"

#include <string>
#include <utility>
#include <vector>

// Something the user must be told. Storage decides the words; the window shows them, in the
// user's language where the message's parts carry its templates.
struct UserMessage {
    enum class Icon { None, Warning, Information };
    // A run of the words: an English template marked with ORDALUNE_TRANSLATE, and the texts its
    // %1, %2... stand for.
    struct Part {
        Part(const char* context, const char* text, std::vector<std::string> args = {}, unsigned marked = 0)
            : context(context), text(text), args(std::move(args)), marked(marked) {}

        const char* context;
        const char* text;
        std::vector<std::string> args;
        unsigned marked; // bit i set: args[i] is itself an English text marked in context "UserMessage"

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
