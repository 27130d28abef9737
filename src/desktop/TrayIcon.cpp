// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/TrayIcon.h"

#include "model/CTime.h"
#include "session/TimeOfDay.h"

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
    Refresh({});
    m_icon->show();
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::Refresh(const QList<RunningClock>& running) {
    // A running clock's finish does not move, so most seconds nothing here changes: told apart
    // before any text is made. The menu is rebuilt only when a clock started or stopped.
    if (!m_menu->isEmpty() && running == m_shown)
        return;
    m_shown = running;
    QStringList lines{QStringLiteral("Ordalune Tracker")};
    QStringList stops;
    for (const RunningClock& line : running) {
        lines << tr("%1: %2 left, done at %3")
                     .arg(line.name, line.remaining, TimeOfDay::Of(CTime(line.finish)));
        stops << QString::number(line.index) + QLatin1Char(' ') + line.name;
    }
    if (running.isEmpty())
        lines << tr("No clock is running");
    const QString tip = lines.join(QLatin1Char('\n'));
    if (stops != m_stops || m_menu->isEmpty()) {
        m_stops = stops;
        m_menu->clear();
        for (const RunningClock& line : running)
            m_menu->addAction(tr("Stop %1").arg(line.name), this,
                              [this, index = line.index] { emit stopRequested(index); });
        m_menu->addSeparator();
        m_menu->addAction(tr("Show Ordalune Tracker"), this, &TrayIcon::showRequested);
        m_menu->addAction(tr("Exit"), this, &TrayIcon::quitRequested);
    }
    if (tip != m_icon->toolTip()) // the same minute, a second off: nothing to tell the panel
        m_icon->setToolTip(tip);
    if (m_running != !running.isEmpty()) {
        m_running = !running.isEmpty();
        m_icon->setIcon(m_running ? m_coloured : m_grey);
    }
}
