#pragma once

#include <QString>

namespace orvo {

// The single-byte text files of the model (data and parameter files):
// read whole as Latin-1, written atomically. Failures are CalibrationErrors
// naming the native path: FileNotFound for a missing file, FileAccess for
// everything else.
class TextFile {
public:
    // Larger files are refused before anything is read.
    static constexpr qint64 MaxSize = 64 * 1024 * 1024;

    static QString readAll(const QString& fileName);
    // Replaces the file with text through a temporary file, so that a failed
    // write leaves the previous file as it was.
    static void write(const QString& fileName, const QString& text);
};

} // namespace orvo
