#pragma once

#include <orvo/core_export.h>

#include <QLocale>
#include <QString>

#include <optional>

namespace orvo {

// A lab value as a person types it into the data grid, in that person's
// locale: its decimal separator, digit grouping and a sign are allowed.
// Legal only when the text is a finite number that reads back unchanged
// from its general text (15 significant digits), so that what the screen
// and the file show is what is stored; nothing otherwise, also for an
// empty text.
ORVO_CORE_EXPORT std::optional<double> labValueFromText(const QString& text,
                                                        const QLocale& locale = QLocale());

} // namespace orvo
