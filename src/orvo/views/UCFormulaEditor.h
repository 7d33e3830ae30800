#pragma once

#include <orvo/model/CalibrationFormula.h>
#include <orvo/views_export.h>

#include <QWidget>

#include <memory>
#include <optional>

namespace orvo {

class IDTMCommunication;

// One formula as editable fields: the measurement and grade lists and the
// eleven coefficient boxes, laid out so that they read as the formula. It
// holds no formula of its own: SetFormula fills the fields, getFormula
// builds a new formula from them.
class ORVO_VIEWS_EXPORT UCFormulaEditor : public QWidget {
    Q_OBJECT

public:
    explicit UCFormulaEditor(QWidget* parent = nullptr);
    ~UCFormulaEditor() override;

    void SetFormula(const CalibrationFormula& formul);
    // None when a coefficient box holds a text that cannot be read.
    std::optional<CalibrationFormula> getFormula() const;
    // True when text is exactly the canonical form of a number.
    static bool CheckErrors(const QString& text);
    // True when text is a zero written with decimals ("0.0", "00,000").
    static bool CheckZero(const QString& text);
    void translate(IDTMCommunication& communication);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace orvo
