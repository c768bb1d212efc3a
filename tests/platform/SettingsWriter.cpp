// Test helper: writes to a settings store from a separate process.
//   settings_writer DIR keys PREFIX COUNT   writes PREFIX0..PREFIX<COUNT-1> as integers
//   settings_writer DIR churn               rewrites a large data value until killed
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    quelta::SettingsStore store(args.at(1));
    if (args.at(2) == QLatin1String("keys") && args.size() == 5) {
        const int count = args.at(4).toInt();
        for (int i = 0; i < count; ++i)
            store.setInteger(args.at(3) + QString::number(i), i);
        return 0;
    }
    if (args.at(2) == QLatin1String("churn")) {
        for (qint64 round = 0;; ++round) {
            store.setData(QStringLiteral("blob"), QByteArray(4 << 20, char('a' + round % 26)));
            store.setInteger(QStringLiteral("round"), round);
        }
    }
    return 2;
}
