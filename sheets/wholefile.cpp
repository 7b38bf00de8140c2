// SPDX-License-Identifier: MIT
#include "wholefile.h"

#include <QSaveFile>

namespace kolvane {

bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
    }
    return written;
}

} // namespace kolvane
