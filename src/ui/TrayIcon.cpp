#include "ui/TrayIcon.h"

#include "model/CTime.h"
#include "ui/Artwork.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"

#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The program's icon, greyed while no clock runs.
QIcon StateIcon(bool running) {
    QImage image = Artwork::Icon(32);
    if (!running)
        image = image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

TrayIcon::TrayIcon(CMainFrame* frame)
    : QObject(frame), m_frame(frame), m_menu(std::make_unique<QMenu>()),
      m_icon(std::make_unique<QSystemTrayIcon>(StateIcon(false))) {
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger)
            Activate();
    });
    CGoalView* view = frame->View();
    connect(view, &CGoalView::ticked, this, &TrayIcon::Refresh);
    connect(view, &CGoalView::commandsChanged, this, &TrayIcon::Refresh);
    Refresh();
    m_icon->show();
}

TrayIcon::~TrayIcon() = default;

QString TrayIcon::ToolTip() const { return m_icon->toolTip(); }

void TrayIcon::Activate() {
    if (m_frame->isActiveWindow() && !m_frame->isMinimized())
        m_frame->showMinimized();
    else
        m_frame->BringToFront();
}

QIcon TrayIcon::Icon() const { return m_icon->icon(); }

void TrayIcon::Refresh() {
    GoalList& goals = m_frame->View()->Goals();
    QList<int> running;
    for (int i = 0; i < goals.GetCount(); ++i)
        if (goals.GetAt(i).IsRunning())
            running << i;
    // Called at every tick: nothing more is done unless a clock started or stopped or the minute
    // turned.
    const CTime now = CTime::GetCurrentTime();
    const std::int64_t minute = now.GetTime() / 60;
    if (running == m_shown && minute == m_minute)
        return;
    m_shown = running;
    m_minute = minute;
    QStringList lines{QStringLiteral("Ordalune Tracker")};
    m_menu->clear();
    for (const int i : running) {
        const Goal& goal = goals.GetAt(i);
        lines << QStringLiteral("%1: %2 left, done at %3")
                     .arg(Text(goal.GetName()), Text(goal.GetRemainingText()),
                          Text((now + goal.GetRemaining()).Format("%#I:%M %p")));
        m_menu->addAction(QStringLiteral("Stop %1").arg(Text(goal.GetName())), this,
                          [this, i] { m_frame->View()->StopGoal(i); });
    }
    if (running.isEmpty())
        lines << QStringLiteral("No clock is running");
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Show Ordalune Tracker"), m_frame, &CMainFrame::BringToFront);
    m_menu->addAction(QStringLiteral("Exit"), m_frame, &QWidget::close);
    m_icon->setToolTip(lines.join(QLatin1Char('\n')));
    if (m_running != !running.isEmpty()) {
        m_running = !running.isEmpty();
        m_icon->setIcon(StateIcon(m_running));
    }
}
