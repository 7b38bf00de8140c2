// SPDX-License-Identifier: MIT
// Independent expectations for the colour codes, computed in integers: the value in
// hundredths of the base unit, the unit it is shown in and the text.
#pragma once

#include <QString>

#include <cstdint>

namespace kolvane::test {

inline QString ExpectedText(std::int64_t hundredths, const char* const units[3], QChar separator)
{
    int unit = 0;
    if (hundredths >= 100000000)
        unit = 2, hundredths /= 1000000;
    else if (hundredths >= 100000)
        unit = 1, hundredths /= 1000;
    return QStringLiteral("%1%2%3 %4")
        .arg(hundredths / 100)
        .arg(separator)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(units[unit]));
}

inline const char* const OhmUnits[3] = {"Ohm", "KOhm", "MOhm"};
inline const char* const FaradUnits[3] = {"pF", "nF", "\u00b5F"};

// 10^k for k >= 0.
inline std::int64_t Pow10(int k)
{
    std::int64_t p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

} // namespace kolvane::test
