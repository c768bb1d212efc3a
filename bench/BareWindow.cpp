// The yardstick for footprint benchmarks: a bare Qt Widgets program that shows one 312 × 232
// window, lets it paint once, and ends.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(312, 232);
    window.show();
    // With --stay it waits to be ended, so that its memory can be read while it runs.
    if (!app.arguments().contains(QStringLiteral("--stay")))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
