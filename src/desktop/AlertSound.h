// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Plays the alert through the sound module, loaded on the first alert; without the module the
// desktop's bell sounds instead.
class AlertSound final {
public:
    static void Play();
    // Where the module is looked for: beside the program, then where it is installed.
    [[nodiscard]] static QStringList ModulePaths();
    // Whether the module was found and loaded; false until the first alert.
    [[nodiscard]] static bool IsLoaded();
};
