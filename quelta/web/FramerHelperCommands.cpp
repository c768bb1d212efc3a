#include "FramerHelperCommands.h"

#include "FramerConnectionWindow.h"
#include "FramerWebSession.h"
#include "WebPage.h"

#include "connectors/ConnectorsLogging.h"
#include "connectors/framer/FramerHelperProtocol.h"

#include <QCoroSignal>
#include <QSocketNotifier>

#include <unistd.h>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

void print(QTextStream &out, const QByteArray &line)
{
    out << QString::fromUtf8(line);
    out.flush();
}

QCoro::Task<int> fetch(std::optional<QString> teamID, Clock &clock, QTextStream &out)
{
    FramerWebSession session(FramerWebSession::Environment::standard(clock));
    session.setTeamID(teamID);
    framerHelper::FetchAnswer answer{ProviderConnectorError(Kind::invalidResponse), std::nullopt};
    try {
        const ProviderAllowance allowance = co_await session.fetchAllowance();
        answer.outcome = allowance;
    } catch (const ProviderConnectorError &error) {
        qCInfo(lcFramer) << "reading Framer failed:" << error.what();
        answer.outcome = error;
    } catch (const std::exception &error) {
        // A page that errored or navigated away: nothing readable came back.
        qCInfo(lcFramer) << "reading Framer failed:" << error.what();
    }
    answer.teamID = session.teamID();
    print(out, framerHelper::fetchLine(answer));
    co_return 0;
}

QCoro::Task<int> connectWindow(Clock &clock, QTextStream &out)
{
    FramerWebSession session(FramerWebSession::Environment::standard(clock));
    FramerConnectionWindow window(session, clock);
    QObject::connect(&session, &FramerWebSession::connectionProgressChanged, &window,
                     [&session, &out] { print(out, framerHelper::progressLine(session.connectionProgress())); });
    // Quelta keeps our input open while it waits: end-of-file means it has gone.
    QSocketNotifier parentGone(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&parentGone, &QSocketNotifier::activated, &window, [&window, &parentGone] {
        char byte = 0;
        if (::read(STDIN_FILENO, &byte, 1) <= 0) {
            parentGone.setEnabled(false);
            window.close();
        }
    });
    print(out, framerHelper::progressLine(session.connectionProgress()));
    window.show();
    window.raise();
    window.activateWindow();
    const bool connected = co_await qCoro(&window, &FramerConnectionWindow::closed);
    print(out, framerHelper::closedLine(connected));
    co_return 0;
}

} // namespace

QCoro::Task<int> runFramerHelper(QStringList arguments, Clock &clock, QTextStream &out)
{
    if (const std::optional<framerHelper::FetchRequest> request = framerHelper::readFetchArguments(arguments))
        co_return co_await fetch(request->teamID, clock, out);
    if (arguments == QStringList{QStringLiteral("connect")})
        co_return co_await connectWindow(clock, out);
    out << "Usage: quelta-web fetch [-- TEAM-ID] | connect\n";
    co_return 2;
}

} // namespace quelta
