#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ordalune Tracker"));
    window.resize(480, 160);
    window.show();
    return QApplication::exec();
}
