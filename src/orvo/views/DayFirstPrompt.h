#pragma once

#include <orvo/views_export.h>

#include <QString>

namespace orvo {

// The data file reader's day-or-month question as a Yes/No message box
// through Prompts; pass it as the reader's DayFirstQuestion.
ORVO_VIEWS_EXPORT bool askDayFirstThroughPrompts(const QString& question);

} // namespace orvo
