// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/InstantText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace {

constexpr const char* kIso = "yyyy-MM-dd hh:mm";

// Qt reads "yy" as a year of the 1900s; a user who types 26 means 2026.
QDateTime ThisCentury(QDateTime when, const QString& format) {
    if (when.isValid() && format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy")) &&
        when.date().year() < 2000)
        when = when.addYears(100);
    return when;
}

} // namespace

QString InstantText::Show(qint64 instant) {
    const QDateTime when = QDateTime::fromSecsSinceEpoch(instant);
    // The application names the language it translates into; only then does the locale write it.
    if (QCoreApplication::instance() != nullptr &&
        !QCoreApplication::instance()->property("ordaluneLanguage").toString().isEmpty())
        return QLocale::system().toString(when, QLocale::ShortFormat);
    return when.toString(QString::fromLatin1(kIso));
}

std::optional<qint64> InstantText::Read(const QString& typed, qint64 replaced) {
    const QString text = typed.simplified();
    const QLocale locale = QLocale::system();
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    for (const QString& format : {QString::fromLatin1(kIso), QStringLiteral("yyyy-MM-dd hh:mm:ss"),
                                  QStringLiteral("yyyy-MM-ddThh:mm"), QStringLiteral("yyyy-MM-ddThh:mm:ss"),
                                  locale.dateTimeFormat(QLocale::ShortFormat),
                                  dateFormat + QLatin1Char(' ') + QStringLiteral("hh:mm"),
                                  dateFormat + QLatin1Char(' ') + QStringLiteral("h:mm AP")})
        if (const QDateTime when = ThisCentury(locale.toDateTime(text, format), format); when.isValid())
            return when.toSecsSinceEpoch();
    const QDate day = QDateTime::fromSecsSinceEpoch(replaced).date();
    for (const QString& format : {locale.timeFormat(QLocale::ShortFormat), QStringLiteral("h:mm"),
                                  QStringLiteral("h:mm AP"), QStringLiteral("h:mm:ss")})
        if (const QTime time = locale.toTime(text, format); time.isValid())
            return QDateTime(day, time).toSecsSinceEpoch();
    return std::nullopt;
}
