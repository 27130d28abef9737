// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GoalApp.h"

#include "app/FontConfigWarmup.h"
#include "app/Translations.h"

#include "desktop/AlertSound.h"
#include "desktop/ControlService.h"
#include "desktop/DesktopMirror.h"
#include "desktop/DesktopServices.h"
#include "desktop/Notifier.h"
#include "desktop/SignalHandler.h"
#include "desktop/SingleInstance.h"
#include "desktop/TrayIcon.h"
#include "session/GoalSession.h"
#include "session/RemoteControl.h"
#include "session/Settings.h"
#include "ui/Artwork.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalPainter.h"
#include "ui/ProgramStyle.h"

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <chrono>

namespace {

// Past the paint's own pass of the event loop, which also shows it.
constexpr std::chrono::milliseconds kServicesAfterPaint{50};

// Qt's own start-up comes next: the font configuration is read beside it.
int& WithFontsWarming(int& argc) {
    FontConfigWarmup::Start();
    return argc;
}

} // namespace

GoalApp::GoalApp(int& argc, char** argv) : QApplication(WithFontsWarming(argc), argv) {
    setApplicationName(QStringLiteral("Ordalune"));
    setApplicationVersion(QStringLiteral(ORDALUNE_VERSION));
    setDesktopFileName(QStringLiteral("org.ordalune.Tracker"));
    // The menu bar stays in the window, where the frame is fitted around it. Offering it to a
    // desktop's global menu would first ask the session bus, on this thread and without a
    // deadline, whether there is one.
    setAttribute(Qt::AA_DontUseNativeMenuBar);
    m_language = Translations::Install(*this);
}

GoalApp::~GoalApp() {
    delete std::exchange(m_controlService, nullptr); // before the controls it answers with go
    // Qt's clean-up lets go of the font configuration: never while it is still being read, as
    // when a second start hands over at once.
    FontConfigWarmup::Wait();
}

bool GoalApp::InitInstance(const std::string& directory, const QString& settings) {
    if (!SingleInstance::AllowsAnotherCopy(arguments()) && SingleInstance::HandOver())
        return false;

    setStyle(new ProgramStyle);
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::Icon(64))));
    GoalPainter::RegisterFontSubstitutes();

    m_signals = new SignalHandler(this);
    connect(m_signals, &SignalHandler::terminationRequested, this, &GoalApp::OnTerminate);

    m_directory = directory;
    m_settings = std::make_unique<Settings>(settings);
    m_session = std::make_unique<GoalSession>(directory);
    m_session->SetAlert(&AlertSound::Play);
    FontConfigWarmup::Wait(); // the window's fonts are looked up next
    m_session->PrepareLoad();
    m_frame = std::make_unique<CMainFrame>(*m_session, *m_settings);
    m_mirror = std::make_unique<DesktopMirror>(m_frame.get());
    m_frame->View()->Asker().SetMirror(m_mirror.get());
    connect(m_settings.get(), &Settings::changed, this, &GoalApp::ApplyChoices);
    ApplyChoices();
    m_session->LoadNow(); // before the first show, so the window opens fitted to the goals
    m_frame->show();
    m_started = true;
    if (m_closePending) // a signal came while the goal file's messages were open
        QMetaObject::invokeMethod(this, &GoalApp::CloseMainWindow, Qt::QueuedConnection);

    // Sleep notices, the desktop's services and the marker for later starts are set up once the
    // list has been painted and shown, so they never hold up the window; a window that starts
    // hidden gets them a little later.
    connect(m_frame->View(), &CGoalView::firstPainted, this,
            [this] { QTimer::singleShot(kServicesAfterPaint, this, &GoalApp::ConnectServices); });
    QTimer::singleShot(2000, this, &GoalApp::ConnectServices);
    return true;
}

void GoalApp::ConnectServices() {
    if (m_instance != nullptr)
        return; // done already
    GoalSession* session = m_session.get();
    // The journal a moment later still, once the window has answered its first events.
    QTimer::singleShot(250, session, &GoalSession::StartJournal);
    m_services = new DesktopServices(this);
    connect(m_services, &DesktopServices::suspending, this,
            [this] { m_session->OnSuspend([this] { m_services->ReleaseSleep(); }); });
    connect(m_services, &DesktopServices::away, session, &GoalSession::OnAway);
    connect(m_services, &DesktopServices::back, session, &GoalSession::OnBack);
    connect(m_services, &DesktopServices::resumed, this, [this] {
        m_frame->BringToFront();
        if (!m_services->IsAway()) // else asked once the screen is unlocked
            m_session->OnBack();
    });
    connect(&session->Renewals(), &RenewalKeeper::nearlySpent, this,
            [this](const QString& goal, const QString& text) {
                if (m_settings->BudgetWarning() && m_settings->Notifications())
                    m_services->Notifications()->Show(tr("%1: budget nearly spent").arg(goal),
                                                      Notifier::Escaped(text), {});
            });
    // Its times move with the list's minutes, and a running clock's finish does not move.
    connect(session, &GoalSession::commandsChanged, this, &GoalApp::RefreshTray);
    // Control from outside is offered by the copy that owns the goal file, and by no other.
    if (m_session->OwnsGoals() && !DesktopServices::AnyBusSilent()) {
        m_control = std::make_unique<RemoteControl>(*m_session);
        m_controlService = new ControlService(*m_control, m_services->SessionBus(),
                                              ControlService::BusName(m_directory), this);
    }
    m_instance = new SingleInstance(this);
    connect(m_instance, &SingleInstance::showRequested, m_frame.get(), &CMainFrame::BringToFront);
    ApplyChoices();
    m_instance->Publish();
}

void GoalApp::ApplyChoices() {
    m_session->SetStopOnLock(m_settings->StopOnLock());
    if (m_services == nullptr)
        return; // the desktop's services come once the window is up
    m_mirror->SetNotifier(m_settings->Notifications() ? m_services->Notifications() : nullptr);
    // The tray asks the session bus first where there is one: not while a bus keeps it waiting.
    const bool tray = m_settings->TrayIcon() && !DesktopServices::AnyBusSilent();
    if (tray && m_tray == nullptr) {
        m_tray = new TrayIcon(Artwork::Icon(32), this);
        connect(m_tray, &TrayIcon::stopRequested, m_session.get(), &GoalSession::StopGoal);
        connect(m_tray, &TrayIcon::showRequested, m_frame.get(), &CMainFrame::BringToFront);
        connect(m_tray, &TrayIcon::quitRequested, m_frame.get(), &QWidget::close);
        connect(m_tray, &TrayIcon::activated, this, [this] {
            if (m_frame->isActiveWindow() && !m_frame->isMinimized())
                m_frame->showMinimized();
            else
                m_frame->BringToFront();
        });
        RefreshTray();
    } else if (!tray && m_tray != nullptr) {
        delete std::exchange(m_tray, nullptr);
    }
}

void GoalApp::RefreshTray() {
    if (m_tray != nullptr)
        m_tray->Refresh(m_session->RunningClocks());
}

void GoalApp::OnTerminate() {
    if (!m_session)
        return;
    m_session->SetQuitting();
    // Every open dialog ends as Esc would end it, so the handlers waiting on them return...
    for (QWidget* widget : topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->reject();
    }
    // ...and the window closes from the main loop, saving the goals once on the way.
    QMetaObject::invokeMethod(this, &GoalApp::CloseMainWindow, Qt::QueuedConnection);
}

int GoalApp::ExitCode() const { return m_session && m_session->ExitSaveFailed() ? 1 : 0; }

void GoalApp::CloseMainWindow() {
    if (!m_started) {
        m_closePending = true; // start-up is still under way: close once it is done
        return;
    }
    m_frame->close();
}
