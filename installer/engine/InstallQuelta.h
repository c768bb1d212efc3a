#pragma once

#include <QCoreApplication>

namespace installer {

// The one translation context of every text the installer shows: InstallQuelta::tr("…").
class InstallQuelta
{
    Q_DECLARE_TR_FUNCTIONS(InstallQuelta)
};

} // namespace installer
