#pragma once

// The layout of the three blocks regre() exchanges with its caller: the
// control block, the data matrix and the result block. The engine and the
// workbench's regression rules both read it from here. Plain C++, no Qt.
namespace orvo::block {

// Control block: 19 signed 32-bit integers.
inline constexpr int ParamCount = 19;
inline constexpr int Measurement = 1;
inline constexpr int Variables = 2;
inline constexpr int FirstGrade = 8;
inline constexpr int SecondGrade = 9;
inline constexpr int FirstPoint = 13;
inline constexpr int LastPoint = 14;
inline constexpr int Mode = 16;
inline constexpr int StepRow = 17;

// Data matrix: one row of 36 floats per point.
inline constexpr int MatrixColumns = 36;
inline constexpr int FirstSignalColumn = 5;
inline constexpr int FirstLabColumn = 28;
inline constexpr int GradeColumn = 34;
inline constexpr int LineColumn = 35;

// Result block: 17 candidate rows of 20 floats.
inline constexpr int RowCount = 17;
inline constexpr int ColumnCount = 20;
inline constexpr int ResultCount = RowCount * ColumnCount;
inline constexpr int SignalCount = 10;
inline constexpr int MaxVariables = 5;
inline constexpr int FirstCoefficient = 0;
inline constexpr int Constant = 5;
inline constexpr int Correlation = 6;
inline constexpr int StdError = 7;
inline constexpr int TTotal = 8;
inline constexpr int FirstTCoefficient = 9;
inline constexpr int TConstant = 14;
inline constexpr int FirstSignal = 15;

} // namespace orvo::block
