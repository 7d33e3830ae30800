#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/Prompts.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/LocaleNumber.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/NumberText.h>
#include <orvo/regression/PointDetails.h>
#include <orvo/regression/TextBoxNumber.h>
#include <orvo/views/GuardedCall.h>
#include <orvo/views/ResultTable.h>
#include <orvo/views/UCCalibration.h>
#include <orvo/views/WorkbenchLayout.h>
#include <orvo/views/controls/Twips.h>
#include <orvo/views/controls/XYChart.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeWidget>

namespace orvo {

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor black(0, 0, 0);
constexpr int DataSeries = 0;
constexpr int LineSeries = 1;

template <typename Widget> Widget* named(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* text) {
    QLabel* result = named<QLabel>(parent, name);
    result->setText(QString::fromLatin1(text));
    return result;
}

QPushButton* button(QWidget* parent, const char* name, const char* text) {
    QPushButton* result = named<QPushButton>(parent, name);
    result->setText(QString::fromLatin1(text));
    return result;
}

} // namespace

UCCalibration::UCCalibration(QWidget* parent) : QWidget(parent) {
    createControls();
    createPointList();
    connectControls();
    m_textStart->setText(QStringLiteral("1"));
    m_textEnd->setText(QStringLiteral("1"));
    placeControls();
    resetResults();
}

UCCalibration::~UCCalibration() = default;

void UCCalibration::createControls() {
    m_labelMeasurement = label(this, "Label1", "Measurement");
    m_labelVariables = label(this, "Label3", "Variables");
    m_labelFormulas = label(this, "Label5", "Calculation formulas");
    m_labelStart = label(this, "Label6", "Start point");
    m_labelEnd = label(this, "Label7", "End point");
    m_labelCorr = label(this, "LabelCorr", "Correlation");
    m_labelStdErr = label(this, "LabelStdErr", "Std. error");

    m_comboMeasurement = named<QComboBox>(this, "ComboMeasurement");
    m_comboMeasurement->addItems({QStringLiteral("Cons"), QStringLiteral("Ash"),
                                  QStringLiteral("Res1"), QStringLiteral("Res2")});
    m_comboVariables = named<QComboBox>(this, "ComboVariables");
    m_comboVariables->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4"), QStringLiteral("5")});
    m_comboFormulas = named<QComboBox>(this, "ComboFormulas");

    m_checkGrade1 = named<QCheckBox>(this, "CheckGrade1");
    m_checkGrade1->setText(QStringLiteral("Grade1"));
    m_checkGrade1->setChecked(true);
    m_checkGrade2 = named<QCheckBox>(this, "CheckGrade2");
    m_checkGrade2->setText(QStringLiteral("Grade2"));

    m_textStart = named<QLineEdit>(this, "TextStartpoint");
    m_textEnd = named<QLineEdit>(this, "TextEndpoint");
    m_textCorr = named<QLineEdit>(this, "TextCorr");
    m_textCorr->setReadOnly(true);
    m_textStdErr = named<QLineEdit>(this, "TextStdErr");
    m_textStdErr->setReadOnly(true);

    m_commandCalculate = button(this, "CommandCalculate", "Calculate");
    m_commandNext = button(this, "CommandNext", "Next");
    m_commandPrevious = button(this, "CommandPrevious", "Previous");
    m_commandResult = button(this, "CommandResult", "Results");
    m_commandDelete = button(this, "CommandDelete", "Disable point");

    m_chart = named<XYChart>(this, "Pesgo1");
    m_chart->setTitle(QString());
    m_chart->setSubtitle(QString());
    m_chart->setXAxisTitle(QStringLiteral("Laboratory measurement"));
    m_chart->setYAxisTitle(QStringLiteral("Estimated value"));
    m_chart->setPointSelectionEnabled(true);
}

void UCCalibration::createPointList() {
    m_pointList = named<QTreeWidget>(this, "ListView1");
    m_pointList->setColumnCount(2);
    m_pointList->setRootIsDecorated(false);
    m_pointList->setHeaderHidden(true);
    m_pointList->setSelectionMode(QAbstractItemView::NoSelection);
    m_pointList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const PointDetailRow& row : pointDetailRows()) {
        auto* item = new QTreeWidgetItem(m_pointList, {row.caption, QString()});
        item->setData(0, Qt::UserRole, row.key);
    }
}

void UCCalibration::connectControls() {
    const auto guarded = [this](void (UCCalibration::*handler)()) {
        return [this, handler] {
            guardedCall([&] { (this->*handler)(); });
        };
    };
    connect(m_commandCalculate, &QPushButton::clicked, this, guarded(&UCCalibration::onCalculate));
    connect(m_commandNext, &QPushButton::clicked, this, guarded(&UCCalibration::onNext));
    connect(m_commandPrevious, &QPushButton::clicked, this, guarded(&UCCalibration::onPrevious));
    connect(m_commandResult, &QPushButton::clicked, this, guarded(&UCCalibration::onShowResults));
    connect(m_commandDelete, &QPushButton::clicked, this, guarded(&UCCalibration::onTogglePoint));
    connect(m_comboMeasurement, &QComboBox::activated, this, &UCCalibration::resetResults);
    connect(m_comboVariables, &QComboBox::activated, this, &UCCalibration::resetResults);
    connect(m_comboFormulas, &QComboBox::currentIndexChanged, this,
            [this](int position) { guardedCall([&] { onFormulaSelected(position); }); });
    connect(m_checkGrade1, &QCheckBox::clicked, this, &UCCalibration::onGradeClicked);
    connect(m_checkGrade2, &QCheckBox::clicked, this, &UCCalibration::onGradeClicked);
    connect(m_textStart, &QLineEdit::textChanged, this, &UCCalibration::resetResults);
    connect(m_textEnd, &QLineEdit::textChanged, this, &UCCalibration::resetResults);
    connect(m_chart, &XYChart::cursorMoved, this,
            [this](int series, int point) { guardedCall([&] { onCursorMoved(series, point); }); });
}

void UCCalibration::SetMeasurementData(std::shared_ptr<MeasurementData> data) {
    m_data = std::move(data);
    m_textEnd->setText(QString::number(m_data ? m_data->pointCount() : 0));
    resetResults();
}

void UCCalibration::setCommunication(IDTMCommunication* comm) {
    m_comm = comm;
}

QString UCCalibration::translated(const char* key) const {
    if (!m_comm)
        throw CalibrationError(ErrorNumber::MissingObject,
                               QStringLiteral("The host object has not been set"));
    return m_comm->getTranslation(QString::fromLatin1(key));
}

void UCCalibration::report(const char* key) {
    m_comm->showErrorMessage(translated(key));
}

void UCCalibration::translate() {
    m_labelMeasurement->setText(translated(key::measurement));
    m_labelVariables->setText(translated(key::variables));
    m_labelFormulas->setText(translated(key::calculationFormulas));
    m_labelStart->setText(translated(key::startPoint));
    m_labelEnd->setText(translated(key::endPoint));
    m_labelCorr->setText(translated(key::correlation));
    m_labelStdErr->setText(translated(key::stdErr));
    m_checkGrade1->setText(translated(key::grade) + QStringLiteral("1"));
    m_checkGrade2->setText(translated(key::grade) + QStringLiteral("2"));
    m_commandCalculate->setText(translated(key::calculate));
    m_commandResult->setText(translated(key::results));
    m_commandPrevious->setText(translated(key::previous));
    m_commandNext->setText(translated(key::next));
    m_commandDelete->setText(translated(key::disablePoint));
    m_chart->setXAxisTitle(translated(key::laboratoryMeasurement));
    m_chart->setYAxisTitle(translated(key::estimatedValue));
    const auto& rows = pointDetailRows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const PointDetailRow& row = rows[static_cast<std::size_t>(i)];
        if (!row.translationKey.isEmpty())
            m_pointList->topLevelItem(i)->setText(
                0, translated(row.translationKey.toLatin1().constData()) + row.suffix);
    }
}

RegressionInputs UCCalibration::readInputs() const {
    RegressionInputs inputs;
    inputs.measurement = m_comboMeasurement->currentIndex();
    inputs.variablesPosition = m_comboVariables->currentIndex();
    inputs.takeGrade1 = m_checkGrade1->isChecked();
    inputs.takeGrade2 = m_checkGrade2->isChecked();
    inputs.startText = m_textStart->text();
    inputs.endText = m_textEnd->text();
    return inputs;
}

void UCCalibration::onCalculate() {
    if (!m_data)
        return;
    const auto outcome = m_calculation.fullRun(*m_data, readInputs());
    if (const char* key = messageKey(outcome)) {
        report(key);
        return;
    }
    markResultsValid();
    finishRun();
    m_commandNext->setEnabled(m_calculation.canStepForward());
    m_commandPrevious->setEnabled(m_calculation.canStepBack());
}

void UCCalibration::onNext() {
    onStep(true);
}

void UCCalibration::onPrevious() {
    onStep(false);
}

void UCCalibration::onStep(bool forward) {
    if (!m_data)
        return;
    const RegressionInputs inputs = readInputs();
    const int selected = m_comboFormulas->currentIndex();
    const auto outcome = forward ? m_calculation.stepForward(*m_data, inputs, selected)
                                 : m_calculation.stepBack(*m_data, inputs, selected);
    if (const char* key = messageKey(outcome)) {
        report(key);
        return;
    }
    if (outcome != RegressionCalculation::Outcome::Ran)
        return;
    m_comboVariables->setCurrentIndex(m_calculation.variableCount() - 1);
    resetResults();
    markResultsValid();
    m_commandNext->setEnabled(m_calculation.canStepForward());
    m_commandPrevious->setEnabled(m_calculation.canStepBack());
    finishRun();
}

void UCCalibration::finishRun() {
    fillFormulaList();
    showResultChart(*m_data, textBoxNumber16(m_textStart->text()),
                    textBoxNumber16(m_textEnd->text()), m_calculation.calcResults(), 0);
}

void UCCalibration::fillFormulaList() {
    const QStringList texts = m_calculation.fillFormulaList(translated(key::correlation));
    QSignalBlocker blocker(m_comboFormulas);
    m_comboFormulas->clear();
    m_comboFormulas->addItems(texts);
    m_comboFormulas->setCurrentIndex(-1);
    blocker.unblock();
    if (!texts.isEmpty())
        m_comboFormulas->setCurrentIndex(0);
}

void UCCalibration::onFormulaSelected(int position) {
    if (!m_calculation.resultsValid() || !m_data || position < 0)
        return;
    showResultChart(*m_data, textBoxNumber16(m_textStart->text()),
                    textBoxNumber16(m_textEnd->text()), m_calculation.calcResults(),
                    m_calculation.candidateRow(position));
}

void UCCalibration::markResultsValid() {
    m_calculation.markResultsValid();
    m_chart->setVisible(true);
}

void UCCalibration::resetResults() {
    m_chart->setVisible(false);
    m_calculation.resetResults();
    m_commandNext->setEnabled(false);
    m_commandPrevious->setEnabled(false);
    m_comboFormulas->clear();
    clearPointValues();
    m_commandDelete->setEnabled(false);
    m_commandDelete->setText(QStringLiteral("Disable point"));
    m_textCorr->clear();
    m_textStdErr->clear();
}

void UCCalibration::onGradeClicked() {
    m_commandCalculate->setEnabled(m_checkGrade1->isChecked() || m_checkGrade2->isChecked());
    resetResults();
}

void UCCalibration::showResultChart(const MeasurementData& data, int16_t first, int16_t last,
                                    const CalcResults& results, int16_t row) {
    const ResultChartData chart = computeResultChart(
        data, first, last, results, row, m_calculation.calcParams()[block::Measurement]);
    m_plottedPoints = chart.plottedPoints;
    m_chart->clearSeries();
    m_chart->addSeries(XYChart::SeriesStyle::Markers, blue);
    m_chart->addSeries(XYChart::SeriesStyle::Line, red);
    m_chart->setPoints(DataSeries, chart.points);
    if (chart.fittedLine)
        m_chart->setPoints(LineSeries, {(*chart.fittedLine)[0], (*chart.fittedLine)[1]});
    m_textCorr->setText(generalText(chart.correlation, QLocale()));
    m_textStdErr->setText(generalText(chart.stdError, QLocale()));
    m_commandDelete->setEnabled(false);
    setDeleteCaption(key::disablePoint);
    m_chart->redraw();
    const int plotted = static_cast<int>(m_plottedPoints.size());
    if (plotted == 0) {
        clearPointValues();
        return;
    }
    const int point = std::clamp(m_chart->pointCursor().point, 0, plotted - 1);
    m_chart->setCursor(DataSeries, point);
    showPointValues(m_plottedPoints[static_cast<std::size_t>(point)]);
}

void UCCalibration::updatePointColors() {
    if (!m_calculation.resultsValid())
        return;
    for (int k = 0; k < static_cast<int>(m_plottedPoints.size()); ++k) {
        const PointPtr point = plottedPoint(k);
        m_chart->setPointColor(DataSeries, k, point && point->enabled ? blue : black);
    }
    m_chart->redraw();
}

PointPtr UCCalibration::plottedPoint(int chartPoint) const {
    if (!m_data || chartPoint < 0 || chartPoint >= static_cast<int>(m_plottedPoints.size()))
        return nullptr;
    const int16_t index = m_plottedPoints[static_cast<std::size_t>(chartPoint)];
    if (index >= m_data->pointCount())
        return nullptr;
    return m_data->getMeasurementPoints(index);
}

void UCCalibration::onCursorMoved(int series, int point) {
    const PointPtr selected = series == DataSeries ? plottedPoint(point) : nullptr;
    if (!selected) {
        clearPointValues();
        m_commandDelete->setEnabled(false);
        setDeleteCaption(key::disablePoint);
        return;
    }
    showPointValues(m_plottedPoints[static_cast<std::size_t>(point)]);
    m_commandDelete->setEnabled(true);
    setDeleteCaption(selected->enabled ? key::disablePoint : key::enablePoint);
}

void UCCalibration::onTogglePoint() {
    const int k = m_chart->pointCursor().point;
    const PointPtr point = m_chart->pointCursor().series == DataSeries ? plottedPoint(k) : nullptr;
    if (!point)
        return;
    point->enabled = !point->enabled;
    m_chart->setPointColor(DataSeries, k, point->enabled ? blue : black);
    setDeleteCaption(point->enabled ? key::disablePoint : key::enablePoint);
    m_chart->redraw();
}

void UCCalibration::setDeleteCaption(const char* key) {
    m_commandDelete->setText(translated(key));
}

void UCCalibration::showPointValues(int16_t index) {
    if (!m_data || index < 0 || index >= m_data->pointCount())
        return clearPointValues();
    const QStringList values = pointDetailValues(*m_data->getMeasurementPoints(index), index);
    for (int i = 0; i < values.size(); ++i)
        m_pointList->topLevelItem(i)->setText(1, values[i]);
}

void UCCalibration::clearPointValues() {
    for (int i = 0; i < m_pointList->topLevelItemCount(); ++i)
        m_pointList->topLevelItem(i)->setText(1, QString());
}

std::optional<CalibrationFormula> UCCalibration::getCurrentFormula() const {
    return m_calculation.currentFormula(m_comboFormulas->currentIndex(),
                                        m_comboMeasurement->currentIndex());
}

int16_t UCCalibration::getStartPoint() const {
    return toInt16Strict(m_textStart->text(), QLocale());
}

int16_t UCCalibration::getEndPoint() const {
    return toInt16Strict(m_textEnd->text(), QLocale());
}

void UCCalibration::onShowResults() {
    if (!m_resultTable)
        m_resultTable = new ResultTable(this);
    m_resultTable->SetResultData(m_calculation.calcResults());
    if (m_comm)
        m_resultTable->translate(*m_comm);
    Prompts::instance().runModal(*m_resultTable);
}

void UCCalibration::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

void UCCalibration::placeControls() {
    m_layout.resize(QSize(pixelsToTwipsX(*this, width()), pixelsToTwipsY(*this, height())));
    const WorkbenchLayout& layout = m_layout;
    const auto place = [this](QWidget* widget, const QRect& twips) {
        widget->setGeometry(twipsToPixelsX(*this, twips.x()), twipsToPixelsY(*this, twips.y()),
                            twipsToPixelsX(*this, twips.width()),
                            twipsToPixelsY(*this, twips.height()));
    };
    place(m_labelMeasurement, layout.labelMeasurement);
    place(m_comboMeasurement, layout.comboMeasurement);
    place(m_labelVariables, layout.labelVariables);
    place(m_comboVariables, layout.comboVariables);
    place(m_checkGrade1, layout.checkGrade1);
    place(m_checkGrade2, layout.checkGrade2);
    place(m_labelStart, layout.labelStart);
    place(m_textStart, layout.textStart);
    place(m_labelEnd, layout.labelEnd);
    place(m_textEnd, layout.textEnd);
    place(m_labelFormulas, layout.labelFormulas);
    place(m_comboFormulas, layout.comboFormulas);
    place(m_commandResult, layout.commandResult);
    place(m_commandCalculate, layout.commandCalculate);
    place(m_commandPrevious, layout.commandPrevious);
    place(m_commandNext, layout.commandNext);
    place(m_commandDelete, layout.commandDelete);
    place(m_chart, layout.chart);
    place(m_pointList, layout.pointList);
    place(m_labelCorr, layout.labelCorr);
    place(m_textCorr, layout.textCorr);
    place(m_labelStdErr, layout.labelStdErr);
    place(m_textStdErr, layout.textStdErr);
    const int half = m_pointList->width() * 48 / 100;
    m_pointList->setColumnWidth(0, half);
    m_pointList->setColumnWidth(1, half);
}

} // namespace orvo
