// SPDX-License-Identifier: GPL-3.0-or-later
// Placed beside an installed program, loads the modules as the program does, from the folder the
// install put them in: "loaded" when the History window and the alert sound both come.
#include "desktop/AlertSound.h"
#include "session/GoalSession.h"
#include "ui/HistoryLoader.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir; // a history with nothing in it
    GoalSession session(dir.path().toStdString());
    QWidget* window = HistoryLoader::Open(session.History(), 1, nullptr);
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
