#pragma once

// What the benchmarks that load real providers share: a home folder where the stand-in Claude
// Code and Codex are installed and signed in, and Claude's usage endpoint on loopback.
#include "ResidentMemory.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace bench {

class SignedInHome
{
public:
    SignedInHome()
    {
        QDir().mkpath(m_home.filePath(QStringLiteral(".local/bin")));
        QFile::copy(QStringLiteral(CLAUDE_STAND_IN), m_home.filePath(QStringLiteral(".local/bin/claude")));
        QFile::link(QStringLiteral(CODEX_STAND_IN), m_home.filePath(QStringLiteral(".local/bin/codex")));
        write(QStringLiteral("status.out"), R"({"loggedIn":true,"authMethod":"claude.ai","subscriptionType":"max"})");
        write(QStringLiteral(".claude/.credentials.json"), R"({"claudeAiOauth":{"accessToken":"token","subscriptionType":"max"}})");
        write(QStringLiteral(".claude.json"), R"({"hasAvailableSubscription":true})");
        const QByteArray codexReply =
            R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300},"secondary":{"usedPercent":10,"windowDurationMins":10080}}}})";
        write(QStringLiteral("codex-scenario.json"),
              QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(codexReply + "\n")}}).toJson());
        m_usage.route("/api/oauth/usage", [] {
            return QHttpServerResponse(QByteArrayLiteral("application/json"),
                                       R"({"five_hour":{"utilization":10},"seven_day":{"utilization":42.7,"resets_at":"2030-03-02T12:00:00Z"}})");
        });
        m_port = m_usage.listen(QHostAddress::LocalHost);
    }

    // A second Claude Code folder and Codex home, ~/.claude-NAME and ~/.codex-NAME, signed in too.
    void signInSecondAccounts(const QString &name) const
    {
        write(QStringLiteral(".claude-%1/.credentials.json").arg(name),
              R"({"claudeAiOauth":{"accessToken":"second","subscriptionType":"max"}})");
        write(QStringLiteral(".claude-%1/.claude.json").arg(name), R"({"hasAvailableSubscription":true})");
        write(QStringLiteral(".codex-%1/auth.json").arg(name), "{}");
    }

    QString path() const { return m_home.path(); }
    QString filePath(const QString &name) const { return m_home.filePath(name); }
    QUrl usageHost() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port)); }

private:
    void write(const QString &name, const QByteArray &content) const
    {
        QDir().mkpath(QFileInfo(m_home.filePath(name)).absolutePath());
        QFile file(m_home.filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }

    QTemporaryDir m_home;
    QHttpServer m_usage;
    quint16 m_port = 0;
};

} // namespace bench
