#pragma once

#include <array>

// Every caption and message is a key that the host translates. Each key is
// written here once; the code names it through these constants (a trailing
// "_" where the key is a C++ keyword).
namespace orvo::key {

inline constexpr char data[] = "data";                       // shell: button CommandData
inline constexpr char multiRegression[] = "multiRegression"; // shell: button CommandRegression
inline constexpr char followUp[] = "followUp";               // shell: button CommandFollowUp
inline constexpr char calibration[] = "calibration";         // shell: title label LabelCalibration
inline constexpr char calculationResultTable[] =
    "calculationResultTable";                        // result table: window caption
inline constexpr char noLabValues[] = "noLabValues"; // regression run, workbench: error message
inline constexpr char illegalValues[] =
    "illegalValues"; // regression run, workbench, formula editor, formula dialog: error message
inline constexpr char correlation[] =
    "correlation"; // candidate list, workbench: candidate list text, caption
inline constexpr char measurement[] = "measurement"; // workbench, formula editor: caption
inline constexpr char variables[] = "variables";     // workbench: caption
inline constexpr char calculationFormulas[] = "calculationFormulas"; // workbench: caption
inline constexpr char startPoint[] = "startPoint";                   // workbench: caption
inline constexpr char endPoint[] = "endPoint";                       // workbench: caption
inline constexpr char stdErr[] = "stdErr";                           // workbench: caption
inline constexpr char grade[] =
    "grade"; // workbench, data grid, formula editor: caption, check boxes, column
inline constexpr char calculate[] = "calculate";       // workbench: button
inline constexpr char results[] = "results";           // workbench: button
inline constexpr char previous[] = "previous";         // workbench: button
inline constexpr char next[] = "next";                 // workbench: button
inline constexpr char enablePoint[] = "enablePoint";   // workbench: caption of CommandDelete
inline constexpr char disablePoint[] = "disablePoint"; // workbench: caption of CommandDelete
inline constexpr char laboratoryMeasurement[] =
    "laboratoryMeasurement";                               // workbench: point list caption
inline constexpr char estimatedValue[] = "estimatedValue"; // workbench: point list caption
inline constexpr char date[] = "date";       // workbench, follow-up, data grid: caption, column
inline constexpr char time[] = "time";       // workbench: point list caption
inline constexpr char floc[] = "floc";       // workbench, data grid: list caption, column
inline constexpr char temp[] = "temp";       // workbench, data grid: list caption, column
inline constexpr char labCons[] = "labCons"; // workbench, data grid: list caption, column
inline constexpr char labAsh[] = "labAsh";   // workbench, data grid: list caption, column
inline constexpr char labRes[] =
    "labRes"; // workbench, data grid: caption, followed by the number 1 to 4
inline constexpr char line[] = "line"; // workbench, data grid: list caption, column
inline constexpr char cons[] = "cons"; // data grid: column
inline constexpr char ash[] = "ash";   // data grid: column
inline constexpr char calibrationFormula[] = "calibrationFormula"; // follow-up: caption
inline constexpr char calculationFormula[] = "calculationFormula"; // formula editor: caption
inline constexpr char formula[] = "formula"; // follow-up, formula dialog: button, window caption
inline constexpr char measurementNum[] = "measurementNum"; // follow-up: caption
inline constexpr char labValue[] = "labValue";             // follow-up: caption
inline constexpr char estValue[] = "estValue";             // follow-up: caption
inline constexpr char difference[] =
    "difference"; // follow-up: caption (also with a percent suffix)
inline constexpr char showDisabledPoints[] = "showDisabledPoints"; // follow-up: check box
inline constexpr char calibrationTable[] = "calibrationTable";     // data editor: caption
inline constexpr char save[] = "save";                             // data editor: button
inline constexpr char update[] = "update";                         // data editor: button
inline constexpr char import_[] = "import";      // data editor, formula dialog: button
inline constexpr char export_[] = "export";      // data editor, formula dialog: button
inline constexpr char clearLabs[] = "clearLabs"; // data editor: button
inline constexpr char areyousureclearlabs[] =
    "areyousureclearlabs"; // data editor: question (showDialog)
inline constexpr char allFiles[] =
    "allFiles"; // data editor, formula dialog: file dialog filter name
inline constexpr char calibrationFile[] = "calibrationFile"; // data editor: file dialog filter name
inline constexpr char formulaFile[] = "formulaFile"; // formula dialog: file dialog filter name
inline constexpr char sourceFile[] = "sourceFile"; // data editor, formula dialog: open dialog title
inline constexpr char destinationFile[] =
    "destinationFile"; // data editor, formula dialog: save dialog title
inline constexpr char noValidData[] = "noValidData"; // data editor, formula dialog: error message
inline constexpr char read[] = "read";               // formula dialog: button
inline constexpr char write[] = "write";             // formula dialog: button
inline constexpr char ok[] = "ok";                   // formula dialog: button
inline constexpr char cancel[] = "cancel";           // formula dialog: button
inline constexpr char onlyFiveCoefficientsAllowed[] =
    "onlyFiveCoefficientsAllowed"; // formula dialog: error message
inline constexpr char readnotpossiblewithbothgrades[] =
    "readnotpossiblewithbothgrades"; // formula dialog: error message

struct KeyUse {
    const char* key;
    const char* usedBy;
};

inline constexpr std::array<KeyUse, 60> all{{
    {data, "shell"},
    {multiRegression, "shell"},
    {followUp, "shell"},
    {calibration, "shell"},
    {calculationResultTable, "result table"},
    {noLabValues, "regression run, workbench"},
    {illegalValues, "regression run, workbench, formula editor, formula dialog"},
    {correlation, "candidate list, workbench"},
    {measurement, "workbench, formula editor"},
    {variables, "workbench"},
    {calculationFormulas, "workbench"},
    {startPoint, "workbench"},
    {endPoint, "workbench"},
    {stdErr, "workbench"},
    {grade, "workbench, data grid, formula editor"},
    {calculate, "workbench"},
    {results, "workbench"},
    {previous, "workbench"},
    {next, "workbench"},
    {enablePoint, "workbench"},
    {disablePoint, "workbench"},
    {laboratoryMeasurement, "workbench"},
    {estimatedValue, "workbench"},
    {date, "workbench, follow-up, data grid"},
    {time, "workbench"},
    {floc, "workbench, data grid"},
    {temp, "workbench, data grid"},
    {labCons, "workbench, data grid"},
    {labAsh, "workbench, data grid"},
    {labRes, "workbench, data grid"},
    {line, "workbench, data grid"},
    {cons, "data grid"},
    {ash, "data grid"},
    {calibrationFormula, "follow-up"},
    {calculationFormula, "formula editor"},
    {formula, "follow-up, formula dialog"},
    {measurementNum, "follow-up"},
    {labValue, "follow-up"},
    {estValue, "follow-up"},
    {difference, "follow-up"},
    {showDisabledPoints, "follow-up"},
    {calibrationTable, "data editor"},
    {save, "data editor"},
    {update, "data editor"},
    {import_, "data editor, formula dialog"},
    {export_, "data editor, formula dialog"},
    {clearLabs, "data editor"},
    {areyousureclearlabs, "data editor"},
    {allFiles, "data editor, formula dialog"},
    {calibrationFile, "data editor"},
    {formulaFile, "formula dialog"},
    {sourceFile, "data editor, formula dialog"},
    {destinationFile, "data editor, formula dialog"},
    {noValidData, "data editor, formula dialog"},
    {read, "formula dialog"},
    {write, "formula dialog"},
    {ok, "formula dialog"},
    {cancel, "formula dialog"},
    {onlyFiveCoefficientsAllowed, "formula dialog"},
    {readnotpossiblewithbothgrades, "formula dialog"},
}};

} // namespace orvo::key
