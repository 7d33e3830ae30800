#include <orvo/model/CalibrationError.h>
#include <orvo/model/TextFile.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvo {

QString TextFile::readAll(const QString& fileName) {
    const QString nativePath = QDir::toNativeSeparators(fileName);
    if (!QFileInfo::exists(fileName))
        throw CalibrationError::fileNotFound(nativePath);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot open %1: %2").arg(nativePath, file.errorString()));
    if (file.size() > MaxSize)
        throw CalibrationError::fileAccess(
            QStringLiteral("%1 is larger than %2 MiB").arg(nativePath).arg(MaxSize / 1024 / 1024));
    // Bounded even when the size was not known up front (pipes, devices).
    const QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot read %1: %2").arg(nativePath, file.errorString()));
    if (bytes.size() > MaxSize)
        throw CalibrationError::fileAccess(
            QStringLiteral("%1 is larger than %2 MiB").arg(nativePath).arg(MaxSize / 1024 / 1024));
    return QString::fromLatin1(bytes);
}

void TextFile::write(const QString& fileName, const QString& text) {
    const QString nativePath = QDir::toNativeSeparators(fileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot open %1 for writing: %2").arg(nativePath, file.errorString()));
    const QByteArray bytes = text.toLatin1();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot write %1: %2").arg(nativePath, reason));
    }
    if (!file.commit())
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot save %1: %2").arg(nativePath, file.errorString()));
}

} // namespace orvo
