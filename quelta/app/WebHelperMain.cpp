// quelta-web: the only program that loads the web engine. Quelta starts it for a Framer read or
// sign-in; it ends as soon as that is done.
#include "platform/Clock.h"
#include "platform/DisplaylessUse.h"
#include "SessionTranslation.h"
#include "platform/StandardStreams.h"
#include "web/FramerHelperCommands.h"

#include <QApplication>
#include <QTextStream>

namespace {

QCoro::Task<void> run(QApplication &app, int &status)
{
    QTextStream out(stdout);
    const QStringList arguments = app.arguments().mid(1);
    status = co_await quelta::runFramerHelper(arguments, quelta::Clock::system(), out);
    QMetaObject::invokeMethod(&app, [&app, &status] { app.exit(status); }, Qt::QueuedConnection);
}

} // namespace

int main(int argc, char *argv[])
{
    quelta::openClosedStandardStreams();
    quelta::prepareForDisplaylessUse();
    QApplication app(argc, argv);
    session::installSessionTranslation(app, {QStringLiteral("quelta")});
    QApplication::setApplicationName(QStringLiteral("Quelta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quelta"));
    int status = 0;
    auto task = run(app, status);
    app.exec();
    return status;
}
