// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <vector>

class CGoalView;
class GoalSession;
class HelpWindow;
class Settings;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class StatusPane;

// The main window: caption, menus and their keys, the hidden toolbar, and the status bar with
// its Elapsed, Remain, Finish and clock panes. The goal view fills it, and the frame fits itself to
// the list.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(GoalSession& session, Settings& settings, QWidget* parent = nullptr);

    [[nodiscard]] CGoalView* View() const { return m_view; }
    [[nodiscard]] QToolBar* ToolBar() const { return m_toolBar; }
    [[nodiscard]] QAction* Action(const QString& name) const;
    // The status panes: 0 the idle text or prompt, then Elapsed, Remain, Finish and the clock.
    [[nodiscard]] QWidget* Pane(int index) const;
    [[nodiscard]] QString PaneText(int index) const;
    [[nodiscard]] const QString& DocumentTitle() const { return m_documentTitle; }

    void SetStatusTexts(const QString& elapsed, const QString& remain, const QString& finish);
    void SetDocumentTitle(const QString& title);
    // Shows the current time of day in the clock pane; repaints only when the text changes.
    void UpdateClockPane();
    // Brings the window to the front in its normal state (a second start, a resume).
    void BringToFront();
    // Enables each goal command by its rule.
    void UpdateCommands();
    void ShowHelp();

public slots:
    // The help page, at a section of it ("history").
    void ShowHelpAt(const QString& section);

public:
    // As tall as the list and as wide as its items or the status panes, within the screen.
    void FitFrameToList();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The idle pane: a selected renewing goal's period, or the program's motto.
    [[nodiscard]] QString IdleText() const;
    [[nodiscard]] QSize Decoration() const;
    void ShowHistory();
    void ExportHistory();
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    QAction* addCommand(const QString& name, const QString& text, const QString& prompt,
                        const QList<QKeySequence>& keys = {});

    GoalSession& m_session;
    Settings& m_settings;
    CGoalView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_idle = nullptr;
    StatusPane* m_elapsed = nullptr;
    StatusPane* m_remain = nullptr;
    StatusPane* m_finish = nullptr;
    StatusPane* m_clock = nullptr;
    std::int64_t m_clockMinute = -1; // the minute the clock pane shows
    QString m_documentTitle = QStringLiteral("Untitled");
    QPointer<HelpWindow> m_help;
    bool m_shown = false;
    bool m_framed = false;
    QPointer<QWidget> m_history;
    std::vector<QAction*> m_ruled; // the goal commands with enable rules, in UpdateCommands' order
};
