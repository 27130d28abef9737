#include "ui/GoalApp.h"

int main(int argc, char* argv[]) {
    GoalApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    return GoalApp::exec();
}
