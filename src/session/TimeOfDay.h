// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CTime.h"

#include <QString>

class QLocale;

// A time of day as the user reads it: "9:05 PM" in English, and in any language the program is
// not translated into; as the locale writes it (24-hour in German and French) once a
// translation is in use.
class TimeOfDay final {
public:
    static void UseLocale(const QLocale& locale);
    [[nodiscard]] static QString Of(const CTime& time);
    // Without AM or PM, where the words around it tell the time of day: "9:05" in English.
    [[nodiscard]] static QString Short(const CTime& time);
    // A run from its start to its end, as messages name it: "2026-12-09 21:05 to 22:00" in
    // English; with the locale's short date and times once translated.
    [[nodiscard]] static QString Span(const CTime& start, const CTime& end);
};
