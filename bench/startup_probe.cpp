// Starts the real program (or, with "bare", a plain Qt main window built for comparison) and
// reports on stdout the moment its goal list is first painted, then ends. With "cpu SECONDS" it
// instead runs with every listed goal's clock going and reports the CPU time it used.
#include "ui/CGoalView.h"
#include "ui/CMainFrame.h"
#include "ui/GoalApp.h"
#include "ui/GoalListBox.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

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
            // Report once this paint is done.
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
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

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QApplication app(argc, argv);
        QMainWindow window;
        auto* label = new QLabel(QStringLiteral("Ordalune Tracker"));
        window.setCentralWidget(label);
        window.statusBar();
        FirstPaint probe(label);
        window.show();
        return QApplication::exec();
    }

    // "-m cpu SECONDS": the copy runs beside any other, with its clocks going.
    const bool cpu = argc > 3 && std::strcmp(argv[2], "cpu") == 0;
    GoalApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    CGoalView* view = app.MainFrame()->View();
    if (!cpu) {
        FirstPaint probe(view->ListBox()->viewport());
        return GoalApp::exec();
    }
    for (int i = 0; i < view->Goals().GetCount(); ++i)
        view->Goals().GetAt(i).ToggleRunning();
    const int seconds = std::atoi(argv[3]);
    double start = 0;
    QTimer::singleShot(2000, [&] { start = CpuMs(); }); // past start-up
    QTimer::singleShot(2000 + seconds * 1000, [&] {
        std::printf("cpu %.1f ms over %d s\n", CpuMs() - start, seconds);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return GoalApp::exec();
}
