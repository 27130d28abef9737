// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/TimeOfDay.h"

#include <QCoreApplication>
#include <QDate>
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

QString Written(const CTime& time, const char* english, bool day = false) {
    std::tm local{};
    if (!Chosen() || !time.GetLocalTm(local))
        return QString::fromStdString(time.Format(english));
    if (day)
        return Chosen()->toString(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                                  QLocale::ShortFormat);
    return Chosen()->toString(QTime(local.tm_hour, local.tm_min), QLocale::ShortFormat);
}

} // namespace

QString TimeOfDay::Of(const CTime& time) { return Written(time, "%#I:%M %p"); }

QString TimeOfDay::Short(const CTime& time) { return Written(time, "%#I:%M"); }

QString TimeOfDay::Span(const CTime& start, const CTime& end) {
    return QCoreApplication::translate("TimeOfDay", "%1 %2 to %3", "a run: its day, its start, its end")
        .arg(Written(start, "%Y-%m-%d", true), Written(start, "%H:%M"), Written(end, "%H:%M"));
}
