// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/UserMessage.h"

#include <QString>

// A message from storage in the language of the texts: each part's template translated, then its
// arguments put in. In English, or where a message has no parts, its words as they stand.
class MessageText final {
public:
    [[nodiscard]] static QString Of(const UserMessage& message);
    // Its caption, or the application's title when it has none.
    [[nodiscard]] static QString Caption(const UserMessage& message);
};
