#pragma once

#include "TestFixture.h"

#include "app/AppObjects.h"

#include <memory>

namespace quelta::test {

// The application's services inside the fixture: its clock, store and home, and the Framer helper
// of that name in the home (by default none).
inline std::unique_ptr<AppObjects> shellServices(Fixture &fixture, const QString &framerHelper = QStringLiteral("no-helper"))
{
    AppObjects::Configuration configuration;
    configuration.clock = &fixture.clock;
    configuration.settingsDirectory = fixture.directory.filePath(QStringLiteral("config"));
    configuration.executableSearch = fixture.search();
    configuration.framerHelper = fixture.home(framerHelper);
    configuration.framerProfileLock = fixture.home(QStringLiteral("framer.lock"));
    configuration.historyFile = fixture.home(QStringLiteral("history.sqlite"));
    return std::make_unique<AppObjects>(configuration);
}

} // namespace quelta::test
