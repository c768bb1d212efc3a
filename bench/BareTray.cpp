// The yardstick for idle benchmarks: a bare Qt Widgets program with one tray icon and its menu,
// running until it is ended.
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    QSystemTrayIcon icon(app.style()->standardIcon(QStyle::SP_ComputerIcon));
    icon.setContextMenu(&menu);
    icon.show();
    return app.exec();
}
