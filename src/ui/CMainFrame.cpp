// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CMainFrame.h"

#include "model/CTime.h"
#include "session/GoalSession.h"
#include "session/Settings.h"
#include "session/TimeOfDay.h"
#include "ui/AboutDialog.h"
#include "ui/Artwork.h"
#include "ui/CGoalView.h"
#include "ui/GoalListBox.h"
#include "ui/HelpWindow.h"
#include "ui/HistoryExporter.h"
#include "ui/HistoryLoader.h"
#include "ui/StatusPane.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QWhatsThis>

#include <tuple>
#include <utility>

CMainFrame::CMainFrame(GoalSession& session, Settings& settings, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_settings(settings) {
    setObjectName(QStringLiteral("mainFrame"));
    m_view = new CGoalView(session, this);
    setCentralWidget(m_view);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    m_toolBar->hide(); // until the user asks for it with New
    SetDocumentTitle(m_documentTitle);

    connect(&session, &GoalSession::statusTextsChanged, this, &CMainFrame::SetStatusTexts);
    connect(&session, &GoalSession::userNameChanged, this, &CMainFrame::SetDocumentTitle);
    connect(&session, &GoalSession::timerFired, this, &CMainFrame::UpdateClockPane);
    connect(&session, &GoalSession::commandsChanged, this, &CMainFrame::UpdateCommands);
    connect(&session.Renewals(), &RenewalKeeper::chosen, this, &CMainFrame::UpdateCommands);
    connect(&session.Renewals(), &RenewalKeeper::spentChanged, this, &CMainFrame::UpdateCommands);
    connect(m_view, &CGoalView::selectionChanged, this, &CMainFrame::UpdateCommands);
    connect(m_view, &CGoalView::fitRequested, this, &CMainFrame::FitFrameToList);
    UpdateClockPane();
    UpdateCommands();
}

QAction* CMainFrame::addCommand(const QString& name, const QString& text, const QString& prompt,
                                const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setStatusTip(prompt);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action); // keys work while the menus are closed
    return action;
}

QAction* CMainFrame::Action(const QString& name) const { return findChild<QAction*>(name); }

void CMainFrame::createActions() {
    GoalSession* session = &m_session;
    const auto on = [this](QAction* action, auto* target, auto slot) {
        connect(action, &QAction::triggered, target, slot);
    };
    on(addCommand("fileOpen", tr("&Open..."), tr("Read the goals again from the goal file"),
                  {QKeySequence(Qt::CTRL | Qt::Key_O)}),
       session, &GoalSession::ReadAgain);
    on(addCommand("fileSave", tr("&Save"), tr("Save the goals to the goal file"),
                  {QKeySequence(Qt::CTRL | Qt::Key_S)}),
       this, [session] { session->Save(true); });
    on(addCommand("fileNew", tr("&New"), tr("Read the goals again and show or hide the toolbar"),
                  {QKeySequence(Qt::CTRL | Qt::Key_N)}),
       this, [this] {
           if (!m_session.ReadAgain())
               return;
           SetDocumentTitle(tr("Untitled"));
           m_toolBar->setVisible(m_toolBar->isHidden());
       });
    on(addCommand("fileReport", tr("&Generate report"), tr("Generate a report of time spent on each goal")),
       session, &GoalSession::WriteReport);
    on(addCommand("fileExportHistory", tr("Export &history..."),
                  tr("Write the history of time spent as CSV or JSON")),
       this, &CMainFrame::ExportHistory);
    on(addCommand("appExit", tr("E&xit"), tr("Quit the application")), this, &QWidget::close);

    on(addCommand("goalAdd", tr("&Add ..."), tr("Add new goal"), {QKeySequence(Qt::CTRL | Qt::Key_A)}),
       m_view, &CGoalView::OnGoalAdd);
    on(addCommand("goalEdit", tr("&Edit ..."), tr("Edit selected goal"),
                  {QKeySequence(Qt::CTRL | Qt::Key_E)}),
       m_view, &CGoalView::OnGoalEdit);
    on(addCommand("goalDelete", tr("&Delete"), tr("Delete selected goal"),
                  {QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::Key_Delete)}),
       session, &GoalSession::DeleteSelected);
    on(addCommand("goalStart", tr("&Start clock"), tr("Start clock for current goal")), session,
       &GoalSession::StartSelected);
    on(addCommand("goalStop", tr("&Stop clock"), tr("Stop clock for current goal")), session,
       &GoalSession::StopSelected);
    on(addCommand("goalFinish", tr("&Finish Early"),
                  tr("Goal is finished; set remaining time to zero, adjusting total time"),
                  {QKeySequence(Qt::CTRL | Qt::Key_F)}),
       session, &GoalSession::FinishEarly);
    on(addCommand("goalHistory", tr("&History..."), tr("Show where the time went, day by day"),
                  {QKeySequence(Qt::CTRL | Qt::Key_H)}),
       this, &CMainFrame::ShowHistory);
    on(addCommand("optionsUserName", tr("&User name ..."),
                  tr("Set your name that appears in the caption bar")),
       m_view, &CGoalView::OnUserName);
    using Choice = Settings::Choice;
    for (const auto& [name, text, prompt, choice] :
         {std::tuple{"optionsNotifications", QT_TR_NOOP("&Desktop notifications"),
                     QT_TR_NOOP("Also tell time's up as a desktop notification"), Choice::Notifications},
          std::tuple{"optionsTray", QT_TR_NOOP("&Tray icon"),
                     QT_TR_NOOP("Show the running clocks in the system tray"), Choice::TrayIcon},
          std::tuple{"optionsStopOnLock", QT_TR_NOOP("Stop clocks when the screen &locks"),
                     QT_TR_NOOP("Stop the clocks while the screen is locked"), Choice::StopOnLock},
          std::tuple{
              "optionsBudgetWarning", QT_TR_NOOP("Warn when a budget is &nearly spent"),
              QT_TR_NOOP(
                  "Tell once a period, as a desktop notification, when a renewing goal has used 80% of it"),
              Choice::BudgetWarning}}) {
        QAction* action = addCommand(QString::fromLatin1(name), tr(text), tr(prompt));
        action->setCheckable(true);
        action->setChecked(m_settings.Get(choice));
        const Choice which = choice;
        connect(action, &QAction::toggled, this, [this, which](bool on) { m_settings.Set(which, on); });
    }

    connect(addCommand("helpFinder", tr("&Help Topics"), tr("List Help topics")), &QAction::triggered, this,
            &CMainFrame::ShowHelp);
    // F1 works everywhere in the window, but the menu item shows no key, as the menu is written.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &CMainFrame::ShowHelp);
    connect(addCommand("contextHelp", tr("What's &This?"), tr("Select an object on which to get Help"),
                       {QKeySequence(Qt::SHIFT | Qt::Key_F1)}),
            &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(addCommand("appAbout", tr("&About Ordalune..."),
                       tr("Display program information and version number")),
            &QAction::triggered, this, [this] {
                AboutDialog about(this);
                about.exec();
            });
}

void CMainFrame::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(Action("fileOpen"));
    file->addAction(Action("fileSave"));
    file->addSeparator();
    file->addAction(Action("fileReport"));
    file->addAction(Action("fileExportHistory"));
    file->addSeparator();
    file->addAction(Action("appExit"));

    QMenu* goal = menuBar()->addMenu(tr("&Goal"));
    goal->addAction(Action("goalAdd"));
    goal->addAction(Action("goalEdit"));
    goal->addAction(Action("goalDelete"));
    goal->addSeparator();
    goal->addAction(Action("goalStart"));
    goal->addAction(Action("goalStop"));
    goal->addSeparator();
    goal->addAction(Action("goalFinish"));
    goal->addSeparator();
    goal->addAction(Action("goalHistory"));
    connect(goal, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->addAction(Action("optionsUserName"));
    options->addSeparator();
    options->addAction(Action("optionsNotifications"));
    options->addAction(Action("optionsTray"));
    options->addAction(Action("optionsStopOnLock"));
    options->addAction(Action("optionsBudgetWarning"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(Action("helpFinder"));
    help->addSeparator();
    help->addAction(Action("appAbout"));
}

bool CMainFrame::event(QEvent* event) {
    // Framed by the window manager at last: fitted again to the screen with the real frame.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && !m_framed &&
        frameGeometry().height() > height()) {
        m_framed = true;
        QMetaObject::invokeMethod(this, &CMainFrame::FitFrameToList, Qt::QueuedConnection);
    }
    // Every top-level window is told when What's This mode begins and ends.
    if (event->type() == QEvent::EnterWhatsThisMode || event->type() == QEvent::LeaveWhatsThisMode)
        m_idle->setText(event->type() == QEvent::EnterWhatsThisMode
                            ? tr("Select an object on which to get Help")
                            : IdleText());
    return QMainWindow::event(event);
}

void CMainFrame::createToolBar() {
    m_toolBar = addToolBar(tr("Standard"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    // The toolbar starts hidden: its icons are looked up the first time it shows.
    connect(m_toolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!visible || !Action("fileNew")->icon().isNull())
            return;
        QStyle* s = style();
        Action("fileNew")->setIcon(s->standardIcon(QStyle::SP_FileIcon));
        Action("fileOpen")->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
        Action("fileSave")->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
        Action("appAbout")->setIcon(s->standardIcon(QStyle::SP_MessageBoxInformation));
        Action("contextHelp")->setIcon(s->standardIcon(QStyle::SP_TitleBarContextHelpButton));
        for (QAction* action : m_toolBar->actions())
            if (const QString theme = action->data().toString(); !theme.isEmpty())
                action->setIcon(Artwork::ToolIcon(theme));
    });
    m_toolBar->addAction(Action("fileNew"));
    m_toolBar->addAction(Action("fileOpen"));
    m_toolBar->addAction(Action("fileSave"));
    m_toolBar->addSeparator();
    // Cut, copy, paste and print have nothing to act on here; they show the desktop's icons.
    const auto tool = [this](const char* name, const char* theme) {
        QAction* action = m_toolBar->addAction(QString::fromLatin1(name));
        action->setData(QString::fromLatin1(theme));
        action->setEnabled(false);
    };
    tool("Cut", "edit-cut");
    tool("Copy", "edit-copy");
    tool("Paste", "edit-paste");
    m_toolBar->addSeparator();
    tool("Print", "document-print");
    m_toolBar->addAction(Action("appAbout"));
    m_toolBar->addAction(Action("contextHelp"));
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    m_idle = new QLabel(tr("Think ahead!"), this);
    m_idle->setObjectName(QStringLiteral("idlePane"));
    m_idle->setMinimumWidth(1); // gives way to the other panes when the window is narrowed
    // Where the status bar draws a prompt, so the text holds still as prompts come and go.
    m_idle->setContentsMargins(4, 0, 0, 2);
    bar->addWidget(m_idle, 1); // hidden while a menu prompt shows
    // Each pane as wide as its widest text.
    m_elapsed = new StatusPane(tr("Elapsed : 88:88", "the pane at its widest"), this);
    m_remain = new StatusPane(tr(" Remain : 88:88 ", "the pane at its widest"), this);
    m_finish = new StatusPane(tr(" Finish : 12:00 PM ", "the pane at its widest"), this);
    m_clock = new StatusPane(tr(" 12:00 PM ", "the pane at its widest"), this);
    m_elapsed->setWhatsThis(tr("Time spent so far on all goals."));
    m_remain->setWhatsThis(tr("Time still to spend on all goals."));
    m_finish->setWhatsThis(tr("When you would be done with every goal, working without a break."));
    m_clock->setWhatsThis(tr("The time of day."));
    // What a screen reader names each pane; its text is the pane's description.
    for (const auto& [pane, name] : {std::pair{m_elapsed, tr("Elapsed")},
                                     {m_remain, tr("Remain")},
                                     {m_finish, tr("Finish")},
                                     {m_clock, tr("Clock")}})
        pane->setAccessibleName(name);
    for (StatusPane* pane : {m_elapsed, m_remain, m_finish, m_clock})
        bar->addPermanentWidget(pane);
}

QWidget* CMainFrame::Pane(int index) const {
    QWidget* const panes[] = {m_idle, m_elapsed, m_remain, m_finish, m_clock};
    return index >= 0 && index < 5 ? panes[index] : nullptr;
}

QString CMainFrame::PaneText(int index) const {
    return index == 0 ? m_idle->text() : static_cast<StatusPane*>(Pane(index))->text();
}

void CMainFrame::SetStatusTexts(const QString& elapsed, const QString& remain, const QString& finish) {
    for (auto [pane, text] : {std::pair{m_elapsed, elapsed}, {m_remain, remain}, {m_finish, finish}})
        pane->SetText(text);
    if (!QWhatsThis::inWhatsThisMode())
        m_idle->setText(IdleText());
}

QString CMainFrame::IdleText() const {
    // A renewing goal, selected, says how its period goes.
    const Goal* goal = m_session.Goals().GetSelectedGoal();
    const QString prompt = goal != nullptr ? m_session.Renewals().Prompt(*goal) : QString();
    return prompt.isEmpty() ? tr("Think ahead!") : prompt;
}

void CMainFrame::SetDocumentTitle(const QString& title) {
    m_documentTitle = title;
    setWindowTitle(QStringLiteral("Ordalune Tracker - ") + title);
}

void CMainFrame::UpdateClockPane() {
    // Called every second; the text is made only when the minute it shows has passed.
    const CTime now = CTime::GetCurrentTime();
    if (now.GetTime() / 60 == std::exchange(m_clockMinute, now.GetTime() / 60))
        return;
    m_clock->SetText(u' ' + TimeOfDay::Of(now) + u' ');
}

void CMainFrame::BringToFront() {
    showNormal();
    raise();
    activateWindow();
}

void CMainFrame::UpdateCommands() {
    if (!QWhatsThis::inWhatsThisMode())
        m_idle->setText(IdleText());
    if (m_ruled.empty())
        for (const char* name : {"goalEdit", "goalDelete", "goalStart", "goalStop", "goalFinish"})
            m_ruled.push_back(Action(QString::fromLatin1(name)));
    const bool rules[] = {m_session.CanEditDelete(), m_session.CanEditDelete(), m_session.CanStartClock(),
                          m_session.CanStopClock(), m_session.CanFinishEarly()};
    for (std::size_t i = 0; i < m_ruled.size(); ++i)
        m_ruled[i]->setEnabled(rules[i]);
}

void CMainFrame::FitFrameToList() {
    ensurePolished(); // sizes as they will be shown, also before the first show
    GoalListBox* list = m_view->ListBox();
    const QSize ideal = list->GetIdealSize();
    QSize chrome = size() - list->size();
    if (!isVisible()) {
        // Not laid out yet: the list gets the whole width, and the height less the bars around it.
        int bars = 0;
        for (QWidget* bar : {static_cast<QWidget*>(menuBar()), static_cast<QWidget*>(m_toolBar),
                             static_cast<QWidget*>(statusBar())})
            if (!bar->isHidden())
                bars += bar->sizeHint().height();
        chrome = QSize(0, bars);
    }
    // Never so narrow that the status panes are cut.
    QSize target(std::max(chrome.width() + ideal.width(), statusBar()->sizeHint().width()),
                 chrome.height() + ideal.height() + 4);
    // A list longer than the screen scrolls instead of running off it, title bar and all.
    const QScreen* shown = screen();
    if (shown == nullptr) {
        resize(target);
        return;
    }
    const QRect area = shown->availableGeometry();
    const QSize decoration = Decoration();
    const QSize room = area.size() - decoration;
    if (target.height() > room.height()) {
        target.setHeight(room.height());
        target.rwidth() += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    target.setWidth(std::min(target.width(), room.width()));
    resize(target);
    // Brought up where it would run off the bottom of the screen (a window's position is its frame's).
    const int tall = target.height() + decoration.height();
    if (isVisible() && y() + tall > area.bottom() + 1)
        move(x(), std::max(area.top(), area.bottom() + 1 - tall));
}

// The window manager's title bar and borders. Until it has framed the window they are not known:
// a title bar and borders such as most draw stand in for them, and the frame is fitted again
// once the real ones are known.
QSize CMainFrame::Decoration() const {
    const QSize known = frameGeometry().size() - size();
    if (known.height() > 0)
        return known;
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return {2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * border};
}

void CMainFrame::ShowHistory() {
    if (!m_history)
        m_history = HistoryLoader::Open(m_session.History(), QLocale().firstDayOfWeek() % 7, this);
    if (!m_history) {
        QMessageBox::warning(this, QStringLiteral("Ordalune"), tr("The History window could not be loaded."));
        return;
    }
    // F1 there opens the help page at its section on the window.
    connect(m_history, SIGNAL(helpRequested(QString)), this, SLOT(ShowHelpAt(QString)), Qt::UniqueConnection);
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

void CMainFrame::ExportHistory() { HistoryExporter::Run(m_session.History(), this, statusBar()); }

void CMainFrame::ShowHelp() { ShowHelpAt({}); }

void CMainFrame::ShowHelpAt(const QString& section) {
    if (!m_help)
        m_help = new HelpWindow(this);
    if (!section.isEmpty())
        m_help->Browser()->scrollToAnchor(section);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Fitted once more now that the bars have their shown sizes.
    if (!m_shown) {
        m_shown = true;
        FitFrameToList();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_session.Close())
        event->accept();
    else
        event->ignore();
}
