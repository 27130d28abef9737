// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "session/TimeOfDay.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool MessagesInC() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value == "C" || value == "POSIX" || value.startsWith("C.");
    }
    return true; // nothing set is the C locale
}

} // namespace

QString Translations::Install(QCoreApplication& app) {
    if (MessagesInC())
        return {};
    auto* own = new QTranslator(&app);
    if (!own->load(QLocale::system(), QStringLiteral("ordalune"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    app.installTranslator(own);
    TimeOfDay::UseLocale(QLocale::system());
    const QString language = own->language().section(u'_', 0, 0);
    app.setProperty("ordaluneLanguage", language); // for the History module's dates
    // Standard buttons and Qt's own dialogs in the same language, where Qt's translations are
    // installed (they are recommended, not required).
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return language;
}
