#include "app/GoalApp.h"
#include "storage/RuntimeDir.h"

#include <cstdlib>

int main(int argc, char* argv[]) {
    // Without a run-time folder Qt warns at every start and makes one of its own; this user's
    // own folder is found quietly instead.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr)
        if (const std::string folder = RuntimeDir(); !folder.empty())
            setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    GoalApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    const int code = GoalApp::exec();
    return code != 0 ? code : app.ExitCode();
}
