#include "app/GoalApp.h"

int main(int argc, char* argv[]) {
    GoalApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    const int code = GoalApp::exec();
    return code != 0 ? code : app.ExitCode();
}
