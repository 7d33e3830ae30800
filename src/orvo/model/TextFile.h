#pragma once

#include <orvo/core_export.h>

#include <QString>

#include <functional>

class QIODevice;

namespace orvo {

// The single-byte text files of the model (data and parameter files):
// read whole as Latin-1, written atomically. Failures are CalibrationErrors
// naming the native path: FileNotFound for a missing file, FileAccess for
// everything else.
class ORVO_CORE_EXPORT TextFile {
public:
    // Larger files are refused before anything is read.
    static constexpr qint64 MaxSize = 64 * 1024 * 1024;

    static QString readAll(const QString& fileName);
    // Opens device for writing, writes text as Latin-1 and ends with commit,
    // which makes the bytes the file. Nothing is replaced unless commit
    // succeeds; a failure at any step is a FileAccess naming nativePath.
    static void write(QIODevice& device, const std::function<bool()>& commit,
                      const QString& nativePath, const QString& text);
    // write through a QSaveFile: the file is the old one or the new one, whole.
    static void write(const QString& fileName, const QString& text);
};

} // namespace orvo
