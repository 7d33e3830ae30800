#include "DemoData.h"

#include <orvo/model/CalibrationError.h>

#include <QDir>
#include <QFile>

namespace orvo::workbench {

QString demoDataCopy(const QString& directory) {
    const QString path = QDir(directory).filePath(QStringLiteral("demo.cal"));
    if (QFile::exists(path))
        return path;
    if (!QDir().mkpath(directory) ||
        !QFile::copy(QStringLiteral(":/orvo-workbench/demo.cal"), path))
        throw CalibrationError(
            ErrorNumber::FileAccess,
            QStringLiteral("Cannot copy the demo data to %1").arg(QDir::toNativeSeparators(path)));
    // A copy from the resources is read-only; the working file must not be.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    return path;
}

} // namespace orvo::workbench
