// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <memory>
#include <string>

class CMainFrame;
class ControlService;
class DesktopMirror;
class DesktopServices;
class GoalSession;
class RemoteControl;
class Settings;
class SignalHandler;
class SingleInstance;
class TrayIcon;

// The application: one copy per user and display; the goals' session, the main window and the
// desktop's services, built here and connected to each other.
class GoalApp final : public QApplication {
    Q_OBJECT

public:
    GoalApp(int& argc, char** argv);
    ~GoalApp() override;

    // False when a running copy took over: this one ends at once, without a window and without
    // touching the goal file. `directory` holds the goal file; empty means the current one.
    // `settings` names the choices file; empty means the user's own.
    bool InitInstance(const std::string& directory = {}, const QString& settings = {});

    [[nodiscard]] CMainFrame* MainFrame() const { return m_frame.get(); }
    [[nodiscard]] GoalSession* Session() const { return m_session.get(); }
    [[nodiscard]] TrayIcon* Tray() const { return m_tray; }
    // The language the texts are shown in ("de", "fr"), or empty for English.
    [[nodiscard]] const QString& Language() const { return m_language; }

    // Closes the program as closing its window does, also from inside a dialog.
    void OnTerminate();
    // Non-zero when the goals could not be saved as the program closed on a signal.
    [[nodiscard]] int ExitCode() const;
    // Sleep notices, the lock screen, notifications, the tray and the marker for later starts.
    void ConnectServices();

private:
    void CloseMainWindow();
    // Notifications, the tray and stopping on lock, as the user's choices have them.
    void ApplyChoices();
    void RefreshTray();

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<GoalSession> m_session;
    std::unique_ptr<DesktopMirror> m_mirror;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<RemoteControl> m_control;
    std::string m_directory;
    QString m_language;
    bool m_started = false;
    bool m_closePending = false;
    SingleInstance* m_instance = nullptr;
    SignalHandler* m_signals = nullptr;
    DesktopServices* m_services = nullptr;
    TrayIcon* m_tray = nullptr;
    ControlService* m_controlService = nullptr;
};
