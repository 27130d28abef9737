// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Settings.h"

namespace {

// The keys as users' files have them.
QString Key(Settings::Choice choice) {
    switch (choice) {
    case Settings::Choice::Notifications:
        return QStringLiteral("notifications");
    case Settings::Choice::TrayIcon:
        return QStringLiteral("trayIcon");
    case Settings::Choice::BudgetWarning:
        return QStringLiteral("budgetWarning");
    case Settings::Choice::StopOnLock:
        break;
    }
    return QStringLiteral("stopOnLock");
}

} // namespace

Settings::Settings(const QString& file, QObject* parent)
    : QObject(parent),
      m_settings(file.isEmpty() ? std::make_unique<QSettings>(QString::fromLatin1(kOrganization),
                                                              QString::fromLatin1(kApplication))
                                : std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

Settings::~Settings() = default;

bool Settings::Get(Choice choice) const {
    return m_settings->value(Key(choice), choice != Choice::BudgetWarning).toBool();
}

void Settings::Set(Choice choice, bool on) {
    if (Get(choice) == on)
        return;
    m_settings->setValue(Key(choice), on);
    emit changed();
}
