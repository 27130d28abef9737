// SPDX-License-Identifier: GPL-3.0-or-later
// Placed beside an installed program, loads the modules as the program does, from the folder the
// install put them in: "loaded" when the History window and the alert sound both come.
#include "desktop/AlertSound.h"
#include "session/HistoryBackend.h"
#include "ui/HistoryLoader.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// A history with nothing in it.
class Empty final : public HistoryBackend {
public:
    void Query(std::int64_t, std::int64_t,
               std::function<void(std::optional<std::vector<Interval>>)> done) override {
        done(std::vector<Interval>());
    }
    void Goals(std::function<void(std::vector<std::pair<std::int64_t, std::string>>)> done) override {
        done({});
    }
    void Add(Interval, std::function<void(std::int64_t)> done) override { done(0); }
    void Change(Interval, std::function<void(bool)> done) override { done(false); }
    void Remove(std::int64_t, std::function<void(bool)> done) override { done(false); }
    [[nodiscard]] std::optional<CTimeSpan> TotalOf(const std::string&) const override { return std::nullopt; }
    void OnChanged(std::function<void()>) override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Empty history;
    QWidget* window = HistoryLoader::Open(history, 1, nullptr);
    AlertSound::Play();
    const bool loaded = window != nullptr && AlertSound::IsLoaded();
    std::puts(loaded ? "loaded" : "missing");
    delete window;
    // Ends as the program does, through the event loop, while the sound may still be loading: the
    // end must come all the same.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    app.exec();
    return loaded ? 0 : 1;
}
