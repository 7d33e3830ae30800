#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/FormulaBoxNumber.h>
#include <orvo/model/NumberText.h>
#include <orvo/views/UCFormulaEditor.h>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace orvo {

namespace {

constexpr int coefficientCount = 10;
constexpr int rowsPerColumn = 5;

// The text after each coefficient box, so that the boxes read as the formula.
constexpr std::array<const char*, coefficientCount> signalCaptions = {
    "* DLed +",  "* ALed +", "* SLed +", "* ALaser + ", "* SLaser +",
    "* DpLed +", "* S7 +",   "* S8 +",   "* S9 + ",     "* S10 +",
};

// Starts at 0, so that a formula can be taken before any is shown.
QLineEdit* coefficientBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(name);
    return box;
}

} // namespace

struct UCFormulaEditor::Private {
    QLabel* labelMeasurement = nullptr;
    QLabel* labelGrade = nullptr;
    QComboBox* comboMeasurement = nullptr;
    QComboBox* comboGrade = nullptr;
    QGroupBox* frame = nullptr;
    std::array<QLineEdit*, coefficientCount> coefficients{};
    QLineEdit* offset = nullptr;

    void createLists(UCFormulaEditor& editor);
    void createFrame();
};

UCFormulaEditor::UCFormulaEditor(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>()) {
    d->createLists(*this);
    d->frame = new QGroupBox(QStringLiteral("Calculation formula"), this);
    d->frame->setObjectName(QStringLiteral("Frame1"));
    d->createFrame();

    auto* layout = new QGridLayout(this);
    layout->addWidget(d->labelMeasurement, 0, 0);
    layout->addWidget(d->comboMeasurement, 0, 1);
    layout->addWidget(d->labelGrade, 1, 0);
    layout->addWidget(d->comboGrade, 1, 1);
    layout->addWidget(d->frame, 2, 0, 1, 3);
    layout->setColumnStretch(2, 1);
}

UCFormulaEditor::~UCFormulaEditor() = default;

void UCFormulaEditor::Private::createLists(UCFormulaEditor& editor) {
    labelMeasurement = new QLabel(QStringLiteral("Measurement"), &editor);
    labelMeasurement->setObjectName(QStringLiteral("Label1"));
    labelGrade = new QLabel(QStringLiteral("Grade"), &editor);
    labelGrade->setObjectName(QStringLiteral("Label2"));
    comboMeasurement = new QComboBox(&editor);
    comboMeasurement->setObjectName(QStringLiteral("ComboMeasurement"));
    for (int code = 0; code < 4; ++code)
        comboMeasurement->addItem(CalibrationFormula::measurementName(code));
    comboMeasurement->setCurrentIndex(-1);
    comboGrade = new QComboBox(&editor);
    comboGrade->setObjectName(QStringLiteral("ComboGrade"));
    for (int grade = 1; grade <= 3; ++grade)
        comboGrade->addItem(CalibrationFormula::gradeText(grade));
    comboGrade->setCurrentIndex(-1);
}

void UCFormulaEditor::Private::createFrame() {
    auto* grid = new QGridLayout(frame);
    const auto addBox = [&](QLineEdit* box, const QString& caption, int row, int column) {
        grid->addWidget(box, row, column);
        grid->addWidget(new QLabel(caption, frame), row, column + 1);
    };
    for (int i = 0; i < coefficientCount; ++i) {
        coefficients[static_cast<std::size_t>(i)] =
            coefficientBox(frame, QStringLiteral("TextA%1").arg(i + 1));
        addBox(coefficients[static_cast<std::size_t>(i)],
               QString::fromLatin1(signalCaptions[static_cast<std::size_t>(i)]), i % rowsPerColumn,
               2 * (i / rowsPerColumn));
    }
    offset = coefficientBox(frame, QStringLiteral("TextB"));
    addBox(offset, QStringLiteral("(offset)"), rowsPerColumn, 0);
}

void UCFormulaEditor::SetFormula(const CalibrationFormula& formul) {
    const QLocale locale;
    for (int k = 1; k <= coefficientCount; ++k)
        d->coefficients[static_cast<std::size_t>(k - 1)]->setText(
            generalText(formul.coefficient(k), locale));
    d->offset->setText(generalText(formul.b, locale));
    d->comboMeasurement->setCurrentIndex(formul.formula);
    d->comboGrade->setCurrentIndex(formul.Grade - 1);
}

std::optional<CalibrationFormula> UCFormulaEditor::getFormula() const {
    CalibrationFormula result;
    for (int k = 1; k <= coefficientCount; ++k) {
        const std::optional<float> value =
            FormulaBoxNumber::value(d->coefficients[static_cast<std::size_t>(k - 1)]->text());
        if (!value)
            return std::nullopt;
        result.setCoefficient(k, *value);
    }
    const std::optional<float> offset = FormulaBoxNumber::value(d->offset->text());
    if (!offset)
        return std::nullopt;
    result.b = *offset;
    result.formula = static_cast<int16_t>(d->comboMeasurement->currentIndex());
    result.Grade = static_cast<int16_t>(d->comboGrade->currentIndex() + 1);
    return result;
}

bool UCFormulaEditor::CheckErrors(const QString& text) {
    return FormulaBoxNumber::isCanonical(text);
}

bool UCFormulaEditor::CheckZero(const QString& text) {
    return FormulaBoxNumber::isZeroWithDecimals(text);
}

void UCFormulaEditor::translate(IDTMCommunication& communication) {
    const auto translated = [&](const char* key) {
        return communication.getTranslation(QString::fromLatin1(key));
    };
    d->labelMeasurement->setText(translated(key::measurement));
    d->labelGrade->setText(translated(key::grade));
    d->frame->setTitle(translated(key::calculationFormula));
}

} // namespace orvo
