#include "desktop/TrayIcon.h"

#include "model/CTime.h"

#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

namespace {

QIcon Grey(const QImage& image) {
    return QIcon(QPixmap::fromImage(
        image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32)));
}

} // namespace

TrayIcon::TrayIcon(const QImage& icon, QObject* parent)
    : QObject(parent), m_coloured(QPixmap::fromImage(icon)), m_grey(Grey(icon)),
      m_menu(std::make_unique<QMenu>()), m_icon(std::make_unique<QSystemTrayIcon>(m_grey)) {
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger)
            emit activated();
    });
    Refresh({}, CTime::GetCurrentTime().GetTime());
    m_icon->show();
}

TrayIcon::~TrayIcon() = default;

QString TrayIcon::ToolTip() const { return m_icon->toolTip(); }

QIcon TrayIcon::Icon() const { return m_icon->icon(); }

void TrayIcon::Refresh(const QList<RunningClock>& running, std::int64_t now) {
    QList<int> indexes;
    for (const RunningClock& line : running)
        indexes << line.index;
    // Called at every tick: nothing more is done unless a clock started or stopped or the minute
    // turned.
    const std::int64_t minute = now / 60;
    if (indexes == m_shown && minute == m_minute)
        return;
    m_shown = indexes;
    m_minute = minute;
    QStringList lines{QStringLiteral("Ordalune Tracker")};
    m_menu->clear();
    for (const RunningClock& line : running) {
        lines << QStringLiteral("%1: %2 left, done at %3")
                     .arg(line.name, line.remaining,
                          QString::fromStdString(CTime(line.finish).Format("%#I:%M %p")));
        m_menu->addAction(QStringLiteral("Stop %1").arg(line.name), this,
                          [this, index = line.index] { emit stopRequested(index); });
    }
    if (running.isEmpty())
        lines << QStringLiteral("No clock is running");
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Show Ordalune Tracker"), this, &TrayIcon::showRequested);
    m_menu->addAction(QStringLiteral("Exit"), this, &TrayIcon::quitRequested);
    m_icon->setToolTip(lines.join(QLatin1Char('\n')));
    if (m_running != !running.isEmpty()) {
        m_running = !running.isEmpty();
        m_icon->setIcon(m_running ? m_coloured : m_grey);
    }
}
