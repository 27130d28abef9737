// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/GoalApp.h"
#include "desktop/DesktopServices.h"
#include "storage/RuntimeDir.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (const std::optional<int> done = CommandLine::Run(argc, argv))
        return *done;
    // Without a run-time folder Qt warns at every start and makes one of its own; this user's
    // own folder is found quietly instead.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr)
        if (const std::string folder = RuntimeDir(); !folder.empty())
            setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    GoalApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    const int exec = GoalApp::exec();
    const int code = exec != 0 ? exec : app.ExitCode();
    if (DesktopServices::AnyBusSilent()) {
        // The goals are saved. Qt's bus thread still waits on a bus that never answered, and its
        // clean-up would wait on that thread: end here instead.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
