#pragma once

#include <QIcon>
#include <QObject>

#include <cstdint>
#include <memory>

class CMainFrame;
class QMenu;
class QSystemTrayIcon;

// The tray icon, where the desktop has a tray: it shows whether any clock runs, lists the running
// goals with their Remaining and finish times, stops them, and brings the window back.
class TrayIcon final : public QObject {
    Q_OBJECT

public:
    explicit TrayIcon(CMainFrame* frame);
    ~TrayIcon() override;

    [[nodiscard]] QMenu* Menu() const { return m_menu.get(); }
    [[nodiscard]] QString ToolTip() const;
    [[nodiscard]] bool ShowsRunning() const { return m_running; }
    // The icon on the panel: in colour while a clock runs, grey otherwise.
    [[nodiscard]] QIcon Icon() const;
    // Brings up the window, or minimises it when it is already the active one.
    void Activate();
    // Follows the goals: at once when a clock starts or stops, else once a minute.
    void Refresh();

private:
    CMainFrame* m_frame;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    QList<int> m_shown;         // the running goals the menu lists
    std::int64_t m_minute = -1; // the minute the tooltip was written in
    bool m_running = false;
};
