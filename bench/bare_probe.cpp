// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline: a plain Qt main window, linked with Qt Widgets alone. It reports its first paint
// on stdout and ends; "WIDTHxHEIGHT" sizes it as the program's window is sized. With "tick
// SECONDS" it instead repaints three small rectangles (a fill and a line each) once a second, as a
// ticking window at its cheapest would, and reports its CPU time.
#include "BenchMappings.h"

#include <valgrind/callgrind.h>

#include <QApplication>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

class Area final : public QWidget {
public:
    int ticks = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        for (const QRect& rect : event->region()) {
            painter.fillRect(rect, (ticks % 2) != 0 ? Qt::black : Qt::white);
            painter.drawLine(rect.topLeft(), rect.bottomRight());
        }
        if (!m_reported) {
            m_reported = true;
            QTimer::singleShot(0, [] {
                if (qApp->property("firstPaintEnds").toBool()) {
                    CALLGRIND_DUMP_STATS_AT("first paint");
                    CopyMappings();
                    std::printf("painted\n");
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                }
            });
        }
    }

private:
    bool m_reported = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* area = new Area;
    area->setMinimumSize(300, 120);
    window.setCentralWidget(area);
    window.statusBar()->showMessage(QStringLiteral("Ordalune Tracker"));
    const bool tick = argc > 2 && std::strcmp(argv[1], "tick") == 0;
    app.setProperty("firstPaintEnds", !tick);
    if (int width = 0, height = 0; argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) == 2)
        window.resize(width, height);
    window.show();
    if (!tick)
        return QApplication::exec();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, area, [area] {
        ++area->ticks;
        for (int i = 0; i < 3; ++i)
            area->update(QRect(10, 10 + i * 20, 16, 16));
    });
    timer.start(1000);
    const int seconds = std::atoi(argv[2]);
    double start = 0;
    QTimer::singleShot(3500, [&] {
        start = CpuMs();
        CALLGRIND_DUMP_STATS_AT("start-up");
    });
    QTimer::singleShot(3500 + seconds * 1000, [&] {
        CALLGRIND_DUMP_STATS_AT("ticking");
        std::printf("cpu %.1f ms over %d s\n", CpuMs() - start, seconds);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
