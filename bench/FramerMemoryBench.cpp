// What Framer costs the main process now that the web engine lives in quelta-web: resident
// memory of this process before any Framer read and between reads (after three reads through
// the real helper, against a TLS server on loopback standing in for Framer), the peak of the
// helper's largest process during a read, and how soon the helper is gone after answering.
#include "ResidentMemory.h"

#include "connectors/framer/FramerConnector.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QTemporaryDir>
#include <QCoroTask>

#include <cstdio>

#include <sys/resource.h>

namespace {

const QByteArray creditsBody =
    R"({"availableCredits":250,"funds":[{"type":"project","grants":[{"allocatedCredits":500,"remainingCredits":250}]}]})";
const QString team = QStringLiteral("aaaaaaaa-0000-4000-8000-00000000000a");

double largestChildMiB()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

bool serveFramer(QHttpServer &server, const QTemporaryDir &dir)
{
    QProcess openssl;
    openssl.setWorkingDirectory(dir.path());
    openssl.start(QStringLiteral("openssl"), {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "key.pem", "-out", "cert.pem",
                                              "-days", "2", "-subj", "/CN=framer.com"});
    if (!openssl.waitForFinished(60'000) || openssl.exitCode() != 0)
        return false;
    QFile key(dir.filePath(QStringLiteral("key.pem")));
    key.open(QIODevice::ReadOnly);
    server.sslSetup(QSslCertificate::fromPath(dir.filePath(QStringLiteral("cert.pem"))).value(0), QSslKey(&key, QSsl::Rsa));
    server.route("/projects/", [] {
        return QHttpServerResponse(QByteArrayLiteral("text/html"),
                                   "<html><body><a href=\"/projects/?teamId=" + team.toUtf8() + "\">team</a></body></html>");
    });
    server.route("/web/teams/<arg>/ai-credits", [](const QString &, const QHttpServerRequest &request) {
        QHttpServerResponse response(QByteArrayLiteral("application/json"), creditsBody);
        response.setHeader("Access-Control-Allow-Origin", request.value("Origin"));
        response.setHeader("Access-Control-Allow-Credentials", "true");
        return response;
    });
    return true;
}

QCoro::Task<void> measure(QCoreApplication &app, quelta::FramerConnector &connector)
{
    const double before = bench::residentMiB();
    double helperGoneMs = 0;
    for (int read = 0; read < 3; ++read) {
        const quelta::ProviderAllowance allowance = co_await connector.fetchAllowance();
        if (allowance.remaining != 50)
            std::printf("unexpected answer\n");
    }
    // The helper has exited when the read returns; time one more from answer to exit.
    QElapsedTimer timer;
    timer.start();
    const quelta::ProviderAllowance last = co_await connector.fetchAllowance();
    helperGoneMs = double(timer.elapsed());
    Q_UNUSED(last);
    const double between = bench::residentMiB();
    std::printf("main process before any Framer read: %.1f MiB\n", before);
    std::printf("main process between Framer reads:   %.1f MiB (%+.1f MiB)\n", between, between - before);
    std::printf("largest process of the helper during a read: %.1f MiB\n", largestChildMiB());
    std::printf("one whole read, helper started and gone: %.0f ms\n", helperGoneMs);
    app.quit();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    QHttpServer server;
    QCoreApplication app(argc, argv);
    if (!serveFramer(server, dir))
        return 1;
    const quint16 port = server.listen(QHostAddress::LocalHost);
    // Only this benchmark's helper resolves Framer's addresses to the stand-in server.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QStringLiteral("--host-resolver-rules=\"MAP framer.com 127.0.0.1:%1, MAP api.framer.com 127.0.0.1:%1\" --ignore-certificate-errors")
                .arg(port)
                .toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quelta::SettingsStore settings(dir.filePath(QStringLiteral("config")));
    quelta::FramerConnector connector({QStringLiteral(QUELTA_WEB_PROGRAM), &quelta::Clock::system(), &settings,
                                       dir.filePath(QStringLiteral("framer.lock"))});
    auto task = measure(app, connector);
    app.exec();
    return 0;
}
