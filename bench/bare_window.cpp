// The smallest Qt Widgets program with a window and a menu: the yardstick the
// editor's start-up, memory and idle cost are measured against.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Program"));
    window.resize(618, 440);
    window.show();
    return app.exec();
}
