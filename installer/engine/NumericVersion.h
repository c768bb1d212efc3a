#pragma once

#include <QStringView>

namespace installer {

// Orders two version strings the way people read them: runs of digits compare by their value
// ("1.10" after "1.9"), everything else character by character. Negative, zero or positive.
int compareVersionsNumerically(QStringView a, QStringView b);

} // namespace installer
