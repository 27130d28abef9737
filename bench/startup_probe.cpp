// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real program and reports on stdout the moment its goal list is first painted, and
// the window's size, then ends. Other modes, after "-m" (so it runs beside any other copy):
//   cpu SECONDS [WARM]  the first three goals' clocks run; reports the CPU time used over SECONDS,
//                  counted after WARM seconds of ticking (none unless given), as a copy that has
//                  run a while has its glyphs cached. Under callgrind, the instructions of those
//                  seconds alone are dumped.
//   stall SAVES    asks for SAVES saves a quarter of a second apart and reports the longest time
//                  the window's thread was kept from its events meanwhile; 0 saves measures the
//                  same time without saves.
//   runs COUNT     the same with the first goal's clock started and stopped COUNT times.
#include "app/GoalApp.h"
#include "session/GoalSession.h"
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalListBox.h"

#include "BenchMappings.h"

#include <valgrind/callgrind.h>

#include <QElapsedTimer>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QObject* target) : m_target(target) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_target && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report once this paint is done, with the window's size.
            const QSize size = static_cast<QWidget*>(m_target)->window()->size();
            QTimer::singleShot(0, [size] {
                CALLGRIND_DUMP_STATS_AT("first paint"); // what exit does is not start-up
                CopyMappings();
                std::printf("painted %dx%d\n", size.width(), size.height());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QObject* m_target;
    bool m_seen = false;
};

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

void Report(const char* format, double value, int count) {
    std::printf(format, value, count);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char* argv[]) {
    const char* mode = argc > 3 ? argv[2] : "";
    const int count = argc > 3 ? std::atoi(argv[3]) : 0;
    const int warm = argc > 4 ? std::atoi(argv[4]) : 0;
    GoalApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    CGoalView* view = app.MainFrame()->View();
    GoalSession* session = app.Session();
    if (std::strcmp(mode, "cpu") == 0) {
        for (int i = 0; i < std::min(3, session->Goals().GetCount()); ++i)
            session->Goals().GetAt(i).ToggleRunning();
        double start = 0;
        // Past start-up: the journal opened and the first ticks' look at what it holds done with.
        QTimer::singleShot(2000, [&] {
            session->Flush();
            QTimer::singleShot(1500 + warm * 1000, [&] {
                start = CpuMs();
                CALLGRIND_DUMP_STATS_AT("start-up");
                QTimer::singleShot(count * 1000, [&] {
                    CALLGRIND_DUMP_STATS_AT("ticking");
                    Report("cpu %.1f ms over %d s\n", CpuMs() - start, count);
                });
            });
        });
        return GoalApp::exec();
    }
    if (std::strcmp(mode, "stall") == 0 || std::strcmp(mode, "runs") == 0) {
        const bool runs = std::strcmp(mode, "runs") == 0; // clocks started and stopped instead of saves
        // A timer due every millisecond: the longest gap between its calls is the longest stall.
        QTimer beat;
        beat.setTimerType(Qt::PreciseTimer);
        QElapsedTimer clock;
        qint64 last = -1;
        qint64 longest = 0;
        QObject::connect(&beat, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0)
                longest = std::max(longest, now - last);
            last = now;
        });
        QTimer saves;
        int asked = 0;
        QObject::connect(&saves, &QTimer::timeout, [&] {
            if (asked++ >= count)
                return;
            if (!runs)
                session->Save(true);
            else if (session->Goals().GetAt(0).IsRunning())
                session->StopSelected(); // a run ended, written to the history
            else
                session->StartSelected();
        });
        QTimer::singleShot(1000, [&] { // past start-up
            clock.start();
            beat.start(1);
            saves.start(250);
        });
        QTimer::singleShot(1000 + std::max(count, 4) * 250 + 250,
                           [&] { Report("stall %.2f ms over %d saves\n", longest / 1e6, count); });
        return GoalApp::exec();
    }
    FirstPaint probe(view->ListBox()->viewport());
    return GoalApp::exec();
}
