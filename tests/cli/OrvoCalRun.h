#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace orvo::test {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs the built orvo-cal with stdin not a terminal, so it can ask nothing.
inline ToolRun orvoCal(const QStringList& arguments) {
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(ORVO_CAL_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// What a --json run printed.
inline QJsonValue jsonOf(const ToolRun& run) {
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace orvo::test
