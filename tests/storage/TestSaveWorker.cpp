#include "storage/SaveWorker.h"
#include "support/Fixtures.h"

#include <QTest>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

GoalList Goals(const std::string& name) {
    GoalList list;
    list.Append(std::make_unique<Goal>(name, Minutes(60), Minutes(30)));
    return list;
}

} // namespace

class TestSaveWorker : public QObject {
    Q_OBJECT

private slots:
    // One save at a time, each of a copy taken when it was asked for; the newest copy replaces
    // one still waiting and keeps its "asked" mark; nothing waiting is lost at the end.
    void newestReplacesWaiting() {
        std::promise<void> started;
        std::promise<void> release;
        std::shared_future<void> gate = release.get_future().share();
        QStringList saved;
        QStringList told;
        std::mutex mutex;
        auto worker = std::make_unique<SaveWorker>(
            [&](const GoalList& goals, const std::string& user, bool asked) {
                if (saved.isEmpty()) {
                    started.set_value();
                    gate.wait();
                } else { // slow, so a Wait that does not wait is caught every time
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                }
                const std::lock_guard lock(mutex);
                saved << QString::fromStdString(user) + ":" + Describe(goals) + (asked ? " asked" : "");
                return GoalFile::SaveResult{};
            },
            [&](GoalFile::SaveResult, bool asked) {
                const std::lock_guard lock(mutex);
                told << (asked ? "asked" : "quiet");
            });
        GoalList goals = Goals("First");
        worker->Submit(goals.Copy(), "Pat");
        started.get_future().wait(); // the first save is under way
        goals.GetAt(0).Set("Changed", Minutes(60), Minutes(20));
        worker->Submit(Goals("Second"), "Pat", true);
        worker->Submit(goals.Copy(), "Sam");
        release.set_value();
        worker->Wait();
        QCOMPARE(saved, QStringList({"Pat:First 1:00/0:30", "Sam:Changed 1:00/0:20 asked"}));
        QCOMPARE(told, QStringList({"quiet", "asked"}));
        worker->Submit(Goals("Last"), "Pat");
        worker.reset();
        QCOMPARE(saved.size(), 3);
        QCOMPARE(saved.last(), QStringLiteral("Pat:Last 1:00/0:30"));
    }
};

QTEST_GUILESS_MAIN(TestSaveWorker)
#include "TestSaveWorker.moc"
