// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/AlertSound.h"

#include <QApplication>
#include <QLibrary>

namespace {

using PlayFunction = void (*)();

PlayFunction& Player() {
    static PlayFunction play = nullptr;
    return play;
}

PlayFunction LoadPlayer() {
    for (const QString& path : AlertSound::ModulePaths()) {
        QLibrary module(path);
        if (!module.load())
            continue;
        if (auto play = reinterpret_cast<PlayFunction>(module.resolve("ordalune_play_alert")))
            return play; // the module stays loaded for the rest of the run
        module.unload();
    }
    return nullptr;
}

} // namespace

QStringList AlertSound::ModulePaths() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/ordalune_sound"),
            QCoreApplication::applicationDirPath() +
                QStringLiteral("/" ORDALUNE_MODULE_RELATIVE "/ordalune_sound")};
}

bool AlertSound::IsLoaded() { return Player() != nullptr; }

void AlertSound::Play() {
    static bool tried = false;
    if (!std::exchange(tried, true))
        Player() = LoadPlayer();
    if (Player() != nullptr)
        Player()();
    else
        QApplication::beep();
}
