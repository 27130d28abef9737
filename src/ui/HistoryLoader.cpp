// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HistoryLoader.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

using MakeWindow = QWidget* (*)(HistoryBackend*, int, QWidget*);

} // namespace

QStringList HistoryLoader::ModulePaths() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/ordalune_history"),
            QCoreApplication::applicationDirPath() +
                QStringLiteral("/" ORDALUNE_MODULE_RELATIVE "/ordalune_history")};
}

QWidget* HistoryLoader::Open(HistoryBackend& backend, int firstWeekday, QWidget* parent) {
    static MakeWindow make = nullptr;
    for (const QString& path : ModulePaths()) {
        if (make != nullptr)
            break;
        QLibrary module(path);
        if (module.load())
            make = reinterpret_cast<MakeWindow>(module.resolve("ordalune_history_window"));
    }
    return make != nullptr ? make(&backend, firstWeekday, parent) : nullptr;
}
