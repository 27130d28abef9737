// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RunningClock.h"

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QStringList>

#include <cstdint>
#include <memory>

class QMenu;
class QSystemTrayIcon;

// The tray icon, where the desktop has a tray: it shows whether any clock runs, lists the running
// goals with their Remaining and finish times, and asks for them to be stopped, for the window
// and for the end of the program. It knows no window: it is handed its lines.
class TrayIcon final : public QObject {
    Q_OBJECT

public:
    // `icon` is the program's, shown in colour while a clock runs and grey otherwise.
    explicit TrayIcon(const QImage& icon, QObject* parent = nullptr);
    ~TrayIcon() override;

    // The icon on the panel, as the desktop sees it: in colour while a clock runs, grey otherwise.
    [[nodiscard]] QSystemTrayIcon* Panel() const { return m_icon.get(); }
    // Follows the running goals, each as the list shows it.
    void Refresh(const QList<RunningClock>& running);

signals:
    void stopRequested(int index);
    // The icon was clicked: bring up the window, or put it away when it is already in front.
    void activated();
    void showRequested();
    void quitRequested();

private:
    QIcon m_coloured;
    QIcon m_grey;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    QStringList m_stops;         // the running goals the menu lists
    QList<RunningClock> m_shown; // as the tooltip shows them
    bool m_running = false;
};
