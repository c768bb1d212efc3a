#pragma once

#include <QCoreApplication>

namespace quelta {

// The one translation context of every text Quelta shows: Quelta::tr("…") reads the same in a
// class and in a free function.
class Quelta
{
    Q_DECLARE_TR_FUNCTIONS(Quelta)
};

} // namespace quelta
