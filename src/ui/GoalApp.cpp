#include "ui/GoalApp.h"

#include "ui/Artwork.h"
#include "ui/AwayMonitor.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/ChevronStyle.h"
#include "ui/GoalPainter.h"
#include "ui/Notifier.h"
#include "ui/PowerMonitor.h"
#include "ui/SignalHandler.h"
#include "ui/SingleInstance.h"

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

GoalApp::GoalApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Ordalune"));
    setApplicationVersion(QStringLiteral("1.1"));
    setDesktopFileName(QStringLiteral("ordalune"));
}

GoalApp::~GoalApp() = default;

bool GoalApp::InitInstance(const std::string& directory) {
    if (!SingleInstance::AllowsAnotherCopy(arguments()) && SingleInstance::HandOver())
        return false;

    setStyle(new ChevronStyle);
    setWindowIcon(QIcon(QPixmap::fromImage(Artwork::Icon(64))));
    GoalPainter::RegisterFontSubstitutes();

    m_signals = new SignalHandler(this);
    connect(m_signals, &SignalHandler::terminationRequested, this, &GoalApp::OnTerminate);

    m_frame = std::make_unique<CMainFrame>(directory);
    m_frame->View()->OnInitialUpdate();
    m_frame->show();
    m_started = true;
    if (m_closePending) // a signal came while the goal file's messages were open
        QMetaObject::invokeMethod(this, &GoalApp::CloseMainWindow, Qt::QueuedConnection);

    // Sleep notices, the desktop's services and the marker for later starts are set up once the
    // list has been painted, so they never hold up the window; a window that starts hidden gets
    // them a little later.
    connect(m_frame->View(), &CGoalView::firstPainted, this, &GoalApp::ConnectServices, Qt::QueuedConnection);
    QTimer::singleShot(2000, this, &GoalApp::ConnectServices);
    return true;
}

void GoalApp::ConnectServices() {
    if (m_instance != nullptr)
        return; // done already
    m_power = new PowerMonitor(this);
    connect(m_power, &PowerMonitor::suspending, this,
            [this] { m_frame->View()->OnPowerSuspend([this] { m_power->ReleaseInhibitor(); }); });
    m_away = new AwayMonitor(this);
    connect(m_away, &AwayMonitor::away, m_frame->View(), &CGoalView::OnAway);
    connect(m_away, &AwayMonitor::back, m_frame->View(), &CGoalView::OnBack);
    connect(m_power, &PowerMonitor::resumed, this, [this] {
        m_frame->BringToFront();
        if (!m_away->IsAway()) // else asked once the screen is unlocked
            m_frame->View()->OnBack();
    });
    m_frame->ConnectDesktop(new Notifier(this));
    m_instance = new SingleInstance(this);
    connect(m_instance, &SingleInstance::showRequested, m_frame.get(), &CMainFrame::BringToFront);
    m_instance->Publish();
}

void GoalApp::OnTerminate() {
    if (!m_frame)
        return;
    m_frame->View()->SetQuitting();
    // Every open dialog ends as Esc would end it, so the handlers waiting on them return...
    for (QWidget* widget : topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->reject();
    }
    // ...and the window closes from the main loop, saving the goals once on the way.
    QMetaObject::invokeMethod(this, &GoalApp::CloseMainWindow, Qt::QueuedConnection);
}

int GoalApp::ExitCode() const { return m_frame && m_frame->View()->ExitSaveFailed() ? 1 : 0; }

void GoalApp::CloseMainWindow() {
    if (!m_started) {
        m_closePending = true; // start-up is still under way: close once it is done
        return;
    }
    m_frame->close();
}
