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

void TextFile::write(QIODevice& device, const std::function<bool()>& commit,
                     const QString& nativePath, const QString& text) {
    if (!device.open(QIODevice::WriteOnly))
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot open %1 for writing: %2").arg(nativePath, device.errorString()));
    const QByteArray bytes = text.toLatin1();
    if (device.write(bytes) != bytes.size())
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot write %1: %2").arg(nativePath, device.errorString()));
    if (!commit())
        throw CalibrationError::fileAccess(
            QStringLiteral("cannot save %1: %2").arg(nativePath, device.errorString()));
}

void TextFile::write(const QString& fileName, const QString& text) {
    // An uncommitted QSaveFile removes its temporary file when destroyed.
    QSaveFile file(fileName);
    write(
        file, [&file] { return file.commit(); }, QDir::toNativeSeparators(fileName), text);
}

} // namespace orvo
