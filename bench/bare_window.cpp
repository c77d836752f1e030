// The smallest Qt Widgets program with a window and a menu: the yardstick the
// editor's start-up, memory and idle cost are measured against. With --tick it
// also runs an empty precise 20 ms timer, the platform's own cost of the
// editor's tick.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.menuBar()->addMenu(QStringLiteral("&Program"));
    window.resize(618, 440);
    window.show();
    QTimer tick;
    if (app.arguments().contains(QStringLiteral("--tick"))) {
        QObject::connect(&tick, &QTimer::timeout, [] {});
        tick.setTimerType(Qt::PreciseTimer); // as the editor's
        tick.start(20);
    }
    return app.exec();
}
