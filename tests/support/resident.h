// SPDX-License-Identifier: MIT
// Resident memory of this process, from the kernel's own count, for the walks that
// measure what their actions keep.
#pragma once

#include <QFile>
#include <QString>

#include <cstring>

namespace kolvane::test {

// All of it (VmRSS), or one part such as RssAnon (heap and stacks) or RssFile (mapped
// files: libraries and fonts), in KiB; -1 where the kernel does not say.
inline long ResidentKiB(const char* field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(std::strlen(field))).trimmed().split(' ').front().toLong();
    return -1;
}

// " (anon N, file N)": where the resident memory lies.
inline QString ResidentParts()
{
    return QStringLiteral(" (anon %1, file %2)").arg(ResidentKiB("RssAnon:")).arg(ResidentKiB("RssFile:"));
}

} // namespace kolvane::test
