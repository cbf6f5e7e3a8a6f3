#pragma once
// The program's version as the captions show it.

#include <QString>

namespace showNames {

constexpr int majorVersion = 0, minorVersion = 1, revision = 0;

// Major, ".", minor and revision run together: 1.3.0.2 reads "1.32".
inline QString versionText() {
    return QString::number(majorVersion) + QLatin1Char('.') + QString::number(minorVersion) + QString::number(revision);
}

} // namespace showNames
