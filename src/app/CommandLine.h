// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include <optional>

// The options that make the program do one thing and end, without a window or a display:
// `--export-history`, the controls (`--start`, `--stop`, `--toggle`, `--stop-all`, `--add`),
// `--status` and `--help`. Handled before anything else, and before a running copy is looked
// for. Arguments that do not begin with `--` keep their meaning: the `-m` forms run another
// copy, and anything else starts the window.
class CommandLine final {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The exit status when the arguments hold an option of this kind; nothing when they do not.
    [[nodiscard]] static std::optional<int> Run(int argc, char* argv[]);
};
