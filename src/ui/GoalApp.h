#pragma once

#include <QApplication>

#include <memory>
#include <string>

class AwayMonitor;
class CMainFrame;
class PowerMonitor;
class SignalHandler;
class SingleInstance;

// The application: one copy per user and display, the main window, and the notices from outside
// (a later start, termination signals, sleep and resume).
class GoalApp final : public QApplication {
    Q_OBJECT

public:
    GoalApp(int& argc, char** argv);
    ~GoalApp() override;

    // False when a running copy took over: this one ends at once, without a window and without
    // touching the goal file. `directory` holds the goal file; empty means the current one.
    bool InitInstance(const std::string& directory = {});

    [[nodiscard]] CMainFrame* MainFrame() const { return m_frame.get(); }

    // Closes the program as closing its window does, also from inside a dialog.
    void OnTerminate();
    // Non-zero when the goals could not be saved as the program closed on a signal.
    [[nodiscard]] int ExitCode() const;

private:
    void CloseMainWindow();
    // Sleep notices, the lock screen, notifications and the marker for later starts.
    void ConnectServices();

    std::unique_ptr<CMainFrame> m_frame;
    bool m_started = false;
    bool m_closePending = false;
    SingleInstance* m_instance = nullptr;
    SignalHandler* m_signals = nullptr;
    PowerMonitor* m_power = nullptr;
    AwayMonitor* m_away = nullptr;
};
