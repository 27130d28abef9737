// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCoreApplication;

// The program's texts, and Qt's own, in the first of the user's languages the program is
// translated into. Messages follow LC_ALL, else LC_MESSAGES, else LANG: under C or POSIX the
// program is English, whatever LANGUAGE lists.
class Translations final {
public:
    // Returns the language installed ("de", "fr"), or an empty string for English.
    static QString Install(QCoreApplication& app);
};
