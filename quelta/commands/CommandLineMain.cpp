#include "CachedOwnMonitor.h"
#include "CommandLine.h"
#include "CommandProgram.h"
#include "TrayLaunch.h"

#include "platform/HelperProgram.h"
#include "platform/ProgramExec.h"
#include "platform/Quelta.h"
#include "SessionTranslation.h"
#include "platform/StandardStreams.h"

#include <QCoreApplication>
#include <QTextStream>

// `quelta`: the command line, and the launcher of `quelta-app`. A status bar may run a
// command every second, so this program links neither Qt Gui nor Qt Network: it maps no
// windowing or network libraries and connects to no display. What they are needed for (the tray,
// and a command that loads or signs in while no Quelta runs) happens in `quelta-app`.

namespace {

// The application takes this process's place, so that whoever started it (a desktop's
// autostart, a status bar, a test) holds it, its output and its exit status.
void becomeApplication(const QStringList &arguments)
{
    const QString program = quelta::helperProgramPath(QCoreApplication::applicationDirPath(), QStringLiteral("quelta-app"));
    const QString reason = quelta::execProgram(program, arguments);
    QTextStream(stderr) << "quelta: " << quelta::Quelta::tr("cannot start the application program %1: %2").arg(program, reason) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    quelta::openClosedStandardStreams();
    QCoreApplication app(argc, argv);
    session::installSessionTranslation(app, {QStringLiteral("quelta")});
    const QStringList arguments = app.arguments().mid(1);
    if (quelta::isTrayLaunch(arguments)) {
        becomeApplication(arguments);
        return 1;
    }
    return quelta::runCommandProgram(app, [&arguments]() -> std::unique_ptr<quelta::OwnMonitor> {
        if (!quelta::commandLoadsAllowances(arguments))
            return std::make_unique<quelta::CachedOwnMonitor>();
        // A watch that followed a Quelta until it left goes on there too: the bar keeps its pipe.
        becomeApplication(arguments);
        return nullptr;
    });
}
