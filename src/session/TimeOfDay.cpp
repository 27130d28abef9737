// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/TimeOfDay.h"

#include <QLocale>
#include <QTime>

#include <optional>

namespace {

std::optional<QLocale>& Chosen() {
    static std::optional<QLocale> locale;
    return locale;
}

} // namespace

void TimeOfDay::UseLocale(const QLocale& locale) { Chosen() = locale; }

namespace {

QString Written(const CTime& time, const char* english) {
    std::tm local{};
    if (!Chosen() || !time.GetLocalTm(local))
        return QString::fromStdString(time.Format(english));
    return Chosen()->toString(QTime(local.tm_hour, local.tm_min), QLocale::ShortFormat);
}

} // namespace

QString TimeOfDay::Of(const CTime& time) { return Written(time, "%#I:%M %p"); }

QString TimeOfDay::Short(const CTime& time) { return Written(time, "%#I:%M"); }
