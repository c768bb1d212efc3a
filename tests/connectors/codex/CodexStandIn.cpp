// Plays the Codex app-server: checks the three request lines it is sent, then answers as the
// scenario in $HOME/codex-scenario.json says; `login` takes its loginMilliseconds and exits with its
// loginExit. Every line it received goes to $HOME/codex-requests, its CODEX_HOME to $HOME/codex-homes.
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <cstdio>

namespace {

QJsonObject scenario()
{
    QFile file(qEnvironmentVariable("HOME") + QStringLiteral("/codex-scenario.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Empty when the line is one compact JSON-RPC message of the expected shape.
QString problemWith(const QByteArray &line, int index)
{
    const QJsonDocument document = QJsonDocument::fromJson(line);
    if (!document.isObject())
        return QStringLiteral("line %1 is not a JSON object").arg(index);
    if (document.toJson(QJsonDocument::Compact) != line)
        return QStringLiteral("line %1 is not compact").arg(index);
    const QJsonObject message = document.object();
    if (message.contains(QLatin1String("jsonrpc")))
        return QStringLiteral("line %1 names a JSON-RPC version").arg(index);
    static const QJsonObject expected[] = {
        QJsonDocument::fromJson(R"({"id":1,"method":"initialize","params":{"clientInfo":{"name":"quelta","version":"0.1.0"}}})").object(),
        QJsonDocument::fromJson(R"({"method":"initialized","params":{}})").object(),
        QJsonDocument::fromJson(R"({"id":2,"method":"account/rateLimits/read","params":{}})").object(),
    };
    if (message != expected[index])
        return QStringLiteral("line %1 is not the expected message").arg(index);
    return {};
}

void print(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QJsonObject plan = scenario();
    QFile requests(qEnvironmentVariable("HOME") + QStringLiteral("/codex-requests"));
    requests.open(QIODevice::WriteOnly | QIODevice::Append);
    requests.write(QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')).toUtf8() + '\n');
    requests.flush();
    // The account home each run was given, to tell one account's runs from another's.
    QFile homes(qEnvironmentVariable("HOME") + QStringLiteral("/codex-homes"));
    if (homes.open(QIODevice::WriteOnly | QIODevice::Append))
        homes.write(qgetenv("CODEX_HOME") + '\n');

    if (QCoreApplication::arguments().mid(1) == QStringList{QStringLiteral("login")}) {
        QThread::msleep(plan.value(QLatin1String("loginMilliseconds")).toInt());
        // A sign-in the user has not finished: it ends when the test creates this file.
        if (const QString gate = plan.value(QLatin1String("loginWhenExists")).toString(); !gate.isEmpty()) {
            while (!QFile::exists(gate))
                QThread::msleep(20);
        }
        return plan.value(QLatin1String("loginExit")).toInt();
    }

    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    for (int index = 0; index < 3; ++index) {
        QByteArray line = input.readLine();
        requests.write(line);
        requests.flush();
        if (!line.endsWith('\n')) {
            print("request line missing\n");
            return 3;
        }
        line.chop(1);
        if (const QString problem = problemWith(line, index); !problem.isEmpty()) {
            print(problem.toUtf8() + '\n');
            return 3;
        }
    }

    if (!plan.value(QLatin1String("bare")).toBool()) {
        print("2026-03-01T12:00:00Z INFO app-server starting\n");
        print(R"({"id":1,"result":{"userAgent":"codex"}})" "\n");
    }
    // A slow server: the test creates this file when it wants the answer.
    if (const QString gate = plan.value(QLatin1String("answerWhenExists")).toString(); !gate.isEmpty()) {
        while (!QFile::exists(gate))
            QThread::msleep(20);
    }
    print(plan.value(QLatin1String("output")).toString().toUtf8());

    if (plan.value(QLatin1String("hang")).toBool()) {
        for (;;)
            QThread::sleep(1);
    }
    // Like the real server: stay until the client closes our input.
    while (!input.read(4096).isEmpty()) {
    }
    return plan.value(QLatin1String("exit")).toInt();
}
