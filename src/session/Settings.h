// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

#include <memory>

// The user's choices, kept in the configuration folder and never in the goal file
// (~/.config/Ordalune/Ordalune Tracker.conf). Every choice is on until the user switches it off,
// but the budget warning, which is off until switched on.
class Settings final : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kOrganization = "Ordalune";
    static constexpr const char* kApplication = "Ordalune Tracker";

    // `file` empty: the user's own choices file.
    explicit Settings(const QString& file = {}, QObject* parent = nullptr);
    ~Settings() override;

    // The choices that are switched on and off.
    enum class Choice { Notifications, TrayIcon, StopOnLock, BudgetWarning };
    [[nodiscard]] bool Get(Choice choice) const;
    void Set(Choice choice, bool on);

    [[nodiscard]] bool Notifications() const { return Get(Choice::Notifications); }
    [[nodiscard]] bool TrayIcon() const { return Get(Choice::TrayIcon); }
    [[nodiscard]] bool StopOnLock() const { return Get(Choice::StopOnLock); }
    [[nodiscard]] bool BudgetWarning() const { return Get(Choice::BudgetWarning); }
    void SetNotifications(bool on) { Set(Choice::Notifications, on); }
    void SetTrayIcon(bool on) { Set(Choice::TrayIcon, on); }
    void SetStopOnLock(bool on) { Set(Choice::StopOnLock, on); }

signals:
    void changed();

private:
    std::unique_ptr<QSettings> m_settings;
};
