#include "DumpCommand.h"

#include "CommandParser.h"
#include "DataFileReader.h"
#include "DateOrderQuestion.h"
#include "ExitCode.h"

#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace orvo::cli {

namespace {

QJsonObject pointJson(const MeasurementPoint& p) {
    return QJsonObject{
        {QStringLiteral("MeasurementDate"), p.MeasurementDate},
        {QStringLiteral("date"), OleDate::isoText(p.MeasurementDate)},
        {QStringLiteral("SIG1"), p.SIG1},
        {QStringLiteral("SIG2"), p.SIG2},
        {QStringLiteral("SIG3"), p.SIG3},
        {QStringLiteral("SIG4"), p.SIG4},
        {QStringLiteral("SIG5"), p.SIG5},
        {QStringLiteral("SIG6"), p.SIG6},
        {QStringLiteral("SIG7"), p.SIG7},
        {QStringLiteral("SIG8"), p.SIG8},
        {QStringLiteral("SIG9"), p.SIG9},
        {QStringLiteral("SIG10"), p.SIG10},
        {QStringLiteral("SIG11"), p.SIG11},
        {QStringLiteral("SIG12"), p.SIG12},
        {QStringLiteral("SIG13"), p.SIG13},
        {QStringLiteral("SIG14"), p.SIG14},
        {QStringLiteral("SIG15"), p.SIG15},
        {QStringLiteral("ConsMeas"), p.ConsMeas},
        {QStringLiteral("AshMeas"), p.AshMeas},
        {QStringLiteral("pH"), p.pH},
        {QStringLiteral("Conductivity"), p.Conductivity},
        {QStringLiteral("Charge"), p.Charge},
        {QStringLiteral("Floc"), p.Floc},
        {QStringLiteral("temp"), p.temp},
        {QStringLiteral("Errorper"), p.Errorper},
        {QStringLiteral("LabCons"), p.LabCons},
        {QStringLiteral("OldLabCons"), p.OldLabCons},
        {QStringLiteral("LabAsh"), p.LabAsh},
        {QStringLiteral("OldLabAsh"), p.OldLabAsh},
        {QStringLiteral("LabRes1"), p.LabRes1},
        {QStringLiteral("OldLabRes1"), p.OldLabRes1},
        {QStringLiteral("LabRes2"), p.LabRes2},
        {QStringLiteral("OldLabRes2"), p.OldLabRes2},
        {QStringLiteral("LabRes3"), p.LabRes3},
        {QStringLiteral("OldLabRes3"), p.OldLabRes3},
        {QStringLiteral("LabRes4"), p.LabRes4},
        {QStringLiteral("OldLabRes4"), p.OldLabRes4},
        {QStringLiteral("Grade"), p.Grade},
        {QStringLiteral("line"), p.line},
        {QStringLiteral("modified"), p.modified},
        {QStringLiteral("enabled"), p.enabled},
    };
}

QJsonObject errorJson(const CalibrationError& error) {
    return QJsonObject{
        {QStringLiteral("number"), static_cast<int>(error.number())},
        {QStringLiteral("description"), error.description()},
        {QStringLiteral("line"),
         error.fileLine() > 0 ? QJsonValue(error.fileLine()) : QJsonValue(QJsonValue::Null)},
    };
}

} // namespace

int runDump(const QStringList& arguments) {
    CommandParser command(QStringLiteral("dump"),
                          QStringLiteral("Reads a calibration data file as the workbench does "
                                         "and prints its points as JSON."),
                          {{QStringLiteral("FILE"), QStringLiteral("The calibration data file.")}});
    command.addOption(DateOrderQuestion::option());
    if (const auto done = command.parse(arguments))
        return *done;
    MeasurementData data;
    const DataFileRead read = readDataFile(command, command.positional(0), data);
    if (read.usageExit)
        return *read.usageExit;
    const QJsonValue error =
        read.error ? QJsonValue(errorJson(*read.error)) : QJsonValue(QJsonValue::Null);
    QJsonArray points;
    for (int16_t i = 0; i < data.pointCount(); ++i)
        points.append(pointJson(*data.getMeasurementPoints(i)));
    const QJsonObject result{{QStringLiteral("pointCount"), data.pointCount()},
                             {QStringLiteral("points"), points},
                             {QStringLiteral("error"), error}};
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return Failure;
    out.write(QJsonDocument(result).toJson(QJsonDocument::Indented));
    return error.isNull() ? Success : Failure;
}

} // namespace orvo::cli
