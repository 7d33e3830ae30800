#pragma once

#include <orvo/views_export.h>

#include <QStyledItemDelegate>

namespace orvo {

// Shows 32-bit float cell values as the shortest text that reads back as
// the same float (1.23456f as "1.23456", never "1.23456001" or a rounded
// "123.457" for 123.45677f), with the view's decimal separator and without
// digit grouping. Every other value is shown as by default.
class ORVO_VIEWS_EXPORT FloatDisplayDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

} // namespace orvo
