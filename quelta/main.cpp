#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quelta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELTA_VERSION));

    QTextStream out(stdout);
    if (app.arguments().contains(QLatin1String("--version"))) {
        out << "Quelta " << QUELTA_VERSION << Qt::endl;
        return 0;
    }
    out << "Usage: quelta --version\n"
           "The allowance monitor and the tray app are not part of this build yet." << Qt::endl;
    return app.arguments().size() > 1 ? 2 : 0;
}
