#pragma once

#include <QString>

namespace orvo {

// What the workbench's input controls hold when a command runs.
struct RegressionInputs {
    int measurement = 0;       // lab quantity: 0 Cons, 1 Ash, 2 Res1, 3 Res2
    int variablesPosition = 0; // list position; the variable count is one more
    bool takeGrade1 = false;
    bool takeGrade2 = false;
    QString startText;
    QString endText;
};

} // namespace orvo
