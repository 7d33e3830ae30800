#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/Prompts.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/LocaleNumber.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/NumberText.h>
#include <orvo/regression/CalibrationRecord.h>
#include <orvo/regression/DiagnosticsText.h>
#include <orvo/regression/PointDetails.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/ResultChartData.h>
#include <orvo/regression/TextBoxNumber.h>
#include <orvo/regression/WorkbenchDiagnostics.h>
#include <orvo/report/CalibrationReport.h>
#include <orvo/views/GuardedCall.h>
#include <orvo/views/ResultTable.h>
#include <orvo/views/UCCalibration.h>
#include <orvo/views/WorkbenchLayout.h>
#include <orvo/views/controls/NamedChild.h>
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

// The marks of flagged points, by WorkbenchDiagnostics::Flag: shapes and
// colours apart from the markers' blue and black, the line's red and the
// cursor's orange.
struct FlagMark {
    XYChart::MarkShape shape;
    QColor color;
    const char* caption;
};

const std::array<FlagMark, WorkbenchDiagnostics::FlagCount> flagMarks{{
    {XYChart::MarkShape::Ring, QColor(200, 0, 200), "Outlier"},
    {XYChart::MarkShape::Square, QColor(0, 150, 150), "High leverage"},
    {XYChart::MarkShape::Diamond, QColor(0, 150, 0), "Influential"},
}};

// Each point's tooltip, and the marks of the flags its fit raised; the
// marks' indices are the flags'.
void showChartNotes(XYChart& chart, const WorkbenchDiagnostics::ChartNotes& notes) {
    for (int k = 0; k < notes.toolTips.size(); ++k)
        chart.setPointToolTip(DataSeries, k, notes.toolTips[k]);
    if (chart.markCount() == 0)
        for (const FlagMark& mark : flagMarks)
            chart.addMark(DataSeries, {mark.shape, mark.color, QString::fromLatin1(mark.caption)});
    for (int flag = 0; flag < WorkbenchDiagnostics::FlagCount; ++flag)
        chart.setMarkedPoints(flag, notes.flagged[static_cast<std::size_t>(flag)]);
}

} // namespace

struct UCCalibration::Private {
    RegressionCalculation calculation;
    // Of the last run's block; kept while its inputs change, as the block is.
    std::optional<WorkbenchDiagnostics> diagnostics;
    // Data-set index of each point drawn in the chart, in chart order.
    std::vector<int16_t> plottedPoints;
    std::shared_ptr<MeasurementData> data;
    QString dataFileName;
    IDTMCommunication* comm = nullptr;
    ResultTable* resultTable = nullptr;
    WorkbenchLayout layout;

    QLabel* labelMeasurement = nullptr;
    QLabel* labelVariables = nullptr;
    QLabel* labelFormulas = nullptr;
    QLabel* labelStart = nullptr;
    QLabel* labelEnd = nullptr;
    QLabel* labelCorr = nullptr;
    QLabel* labelStdErr = nullptr;
    QComboBox* comboMeasurement = nullptr;
    QComboBox* comboVariables = nullptr;
    QComboBox* comboFormulas = nullptr;
    QCheckBox* checkGrade1 = nullptr;
    QCheckBox* checkGrade2 = nullptr;
    QLineEdit* textStart = nullptr;
    QLineEdit* textEnd = nullptr;
    QLineEdit* textCorr = nullptr;
    QLineEdit* textStdErr = nullptr;
    QPushButton* commandCalculate = nullptr;
    QPushButton* commandNext = nullptr;
    QPushButton* commandPrevious = nullptr;
    QPushButton* commandResult = nullptr;
    QPushButton* commandDelete = nullptr;
    QPushButton* commandExportReport = nullptr;
    XYChart* chart = nullptr;
    QTreeWidget* pointList = nullptr;
};

UCCalibration::UCCalibration(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>()) {
    createControls();
    createPointList();
    connectControls();
    d->textStart->setText(QStringLiteral("1"));
    d->textEnd->setText(QStringLiteral("1"));
    placeControls();
    resetResults();
}

UCCalibration::~UCCalibration() = default;

void UCCalibration::createControls() {
    d->labelMeasurement = namedChild<QLabel>(this, "Label1", "Measurement");
    d->labelVariables = namedChild<QLabel>(this, "Label3", "Variables");
    d->labelFormulas = namedChild<QLabel>(this, "Label5", "Calculation formulas");
    d->labelStart = namedChild<QLabel>(this, "Label6", "Start point");
    d->labelEnd = namedChild<QLabel>(this, "Label7", "End point");
    d->labelCorr = namedChild<QLabel>(this, "LabelCorr", "Correlation");
    d->labelStdErr = namedChild<QLabel>(this, "LabelStdErr", "Std. error");

    d->comboMeasurement = namedChild<QComboBox>(this, "ComboMeasurement");
    d->comboMeasurement->addItems({QStringLiteral("Cons"), QStringLiteral("Ash"),
                                   QStringLiteral("Res1"), QStringLiteral("Res2")});
    d->comboVariables = namedChild<QComboBox>(this, "ComboVariables");
    d->comboVariables->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("4"), QStringLiteral("5")});
    d->comboFormulas = namedChild<QComboBox>(this, "ComboFormulas");

    d->checkGrade1 = namedChild<QCheckBox>(this, "CheckGrade1");
    d->checkGrade1->setText(QStringLiteral("Grade1"));
    d->checkGrade1->setChecked(true);
    d->checkGrade2 = namedChild<QCheckBox>(this, "CheckGrade2");
    d->checkGrade2->setText(QStringLiteral("Grade2"));

    d->textStart = namedChild<QLineEdit>(this, "TextStartpoint");
    d->textEnd = namedChild<QLineEdit>(this, "TextEndpoint");
    d->textCorr = namedChild<QLineEdit>(this, "TextCorr");
    d->textCorr->setReadOnly(true);
    d->textStdErr = namedChild<QLineEdit>(this, "TextStdErr");
    d->textStdErr->setReadOnly(true);

    d->commandCalculate = namedChild<QPushButton>(this, "CommandCalculate", "Calculate");
    d->commandNext = namedChild<QPushButton>(this, "CommandNext", "Next");
    d->commandPrevious = namedChild<QPushButton>(this, "CommandPrevious", "Previous");
    d->commandResult = namedChild<QPushButton>(this, "CommandResult", "Results");
    d->commandDelete = namedChild<QPushButton>(this, "CommandDelete", "Disable point");
    // Fixed English, like the diagnostics it reports: the host's table has no key for it.
    d->commandExportReport =
        namedChild<QPushButton>(this, "CommandExportReport", "Export report...");
    d->commandExportReport->setEnabled(false);

    d->chart = namedChild<XYChart>(this, "Pesgo1");
    d->chart->setTitle(QString());
    d->chart->setSubtitle(QString());
    d->chart->setXAxisTitle(QStringLiteral("Laboratory measurement"));
    d->chart->setYAxisTitle(QStringLiteral("Estimated value"));
    d->chart->setPointSelectionEnabled(true);
}

void UCCalibration::createPointList() {
    d->pointList = namedChild<QTreeWidget>(this, "ListView1");
    d->pointList->setColumnCount(2);
    d->pointList->setRootIsDecorated(false);
    d->pointList->setHeaderHidden(true);
    d->pointList->setSelectionMode(QAbstractItemView::NoSelection);
    d->pointList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const PointDetailRow& row : pointDetailRows()) {
        auto* item = new QTreeWidgetItem(d->pointList, {row.caption, QString()});
        item->setData(0, Qt::UserRole, row.key);
    }
}

void UCCalibration::connectControls() {
    const auto guarded = [this](void (UCCalibration::*handler)()) {
        return [this, handler] {
            guardedCall([&] { (this->*handler)(); });
        };
    };
    connect(d->commandCalculate, &QPushButton::clicked, this, guarded(&UCCalibration::onCalculate));
    connect(d->commandNext, &QPushButton::clicked, this, guarded(&UCCalibration::onNext));
    connect(d->commandPrevious, &QPushButton::clicked, this, guarded(&UCCalibration::onPrevious));
    connect(d->commandResult, &QPushButton::clicked, this, guarded(&UCCalibration::onShowResults));
    connect(d->commandDelete, &QPushButton::clicked, this, guarded(&UCCalibration::onTogglePoint));
    connect(d->commandExportReport, &QPushButton::clicked, this,
            guarded(&UCCalibration::onExportReport));
    connect(d->comboMeasurement, &QComboBox::activated, this, &UCCalibration::resetResults);
    connect(d->comboVariables, &QComboBox::activated, this, &UCCalibration::resetResults);
    connect(d->comboFormulas, &QComboBox::currentIndexChanged, this,
            [this](int position) { guardedCall([&] { onFormulaSelected(position); }); });
    connect(d->checkGrade1, &QCheckBox::clicked, this, &UCCalibration::onGradeClicked);
    connect(d->checkGrade2, &QCheckBox::clicked, this, &UCCalibration::onGradeClicked);
    connect(d->textStart, &QLineEdit::textChanged, this, &UCCalibration::resetResults);
    connect(d->textEnd, &QLineEdit::textChanged, this, &UCCalibration::resetResults);
    connect(d->chart, &XYChart::cursorMoved, this,
            [this](int series, int point) { guardedCall([&] { onCursorMoved(series, point); }); });
}

void UCCalibration::SetMeasurementData(std::shared_ptr<MeasurementData> data) {
    d->data = std::move(data);
    d->textEnd->setText(QString::number(d->data ? d->data->pointCount() : 0));
    resetResults();
}

void UCCalibration::setCommunication(IDTMCommunication* comm) {
    d->comm = comm;
}

void UCCalibration::setDataFileName(const QString& FileName) {
    d->dataFileName = FileName;
}

QString UCCalibration::translated(const char* key) const {
    if (!d->comm)
        throw CalibrationError(ErrorNumber::MissingObject,
                               QStringLiteral("The host object has not been set"));
    return d->comm->getTranslation(QString::fromLatin1(key));
}

void UCCalibration::report(const char* key) {
    d->comm->showErrorMessage(translated(key));
}

void UCCalibration::translate() {
    d->labelMeasurement->setText(translated(key::measurement));
    d->labelVariables->setText(translated(key::variables));
    d->labelFormulas->setText(translated(key::calculationFormulas));
    d->labelStart->setText(translated(key::startPoint));
    d->labelEnd->setText(translated(key::endPoint));
    d->labelCorr->setText(translated(key::correlation));
    d->labelStdErr->setText(translated(key::stdErr));
    d->checkGrade1->setText(translated(key::grade) + QStringLiteral("1"));
    d->checkGrade2->setText(translated(key::grade) + QStringLiteral("2"));
    d->commandCalculate->setText(translated(key::calculate));
    d->commandResult->setText(translated(key::results));
    d->commandPrevious->setText(translated(key::previous));
    d->commandNext->setText(translated(key::next));
    d->commandDelete->setText(translated(key::disablePoint));
    d->chart->setXAxisTitle(translated(key::laboratoryMeasurement));
    d->chart->setYAxisTitle(translated(key::estimatedValue));
    const auto& rows = pointDetailRows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const PointDetailRow& row = rows[static_cast<std::size_t>(i)];
        if (!row.translationKey.isEmpty())
            d->pointList->topLevelItem(i)->setText(
                0, translated(row.translationKey.toLatin1().constData()) + row.suffix);
    }
}

RegressionInputs UCCalibration::readInputs() const {
    RegressionInputs inputs;
    inputs.measurement = d->comboMeasurement->currentIndex();
    inputs.variablesPosition = d->comboVariables->currentIndex();
    inputs.takeGrade1 = d->checkGrade1->isChecked();
    inputs.takeGrade2 = d->checkGrade2->isChecked();
    inputs.startText = d->textStart->text();
    inputs.endText = d->textEnd->text();
    return inputs;
}

void UCCalibration::onCalculate() {
    if (!d->data)
        return;
    const auto outcome = d->calculation.fullRun(*d->data, readInputs());
    if (const char* key = messageKey(outcome)) {
        report(key);
        return;
    }
    markResultsValid();
    finishRun();
    d->commandNext->setEnabled(d->calculation.canStepForward());
    d->commandPrevious->setEnabled(d->calculation.canStepBack());
}

void UCCalibration::onNext() {
    onStep(true);
}

void UCCalibration::onPrevious() {
    onStep(false);
}

void UCCalibration::onStep(bool forward) {
    if (!d->data)
        return;
    const RegressionInputs inputs = readInputs();
    const int selected = d->comboFormulas->currentIndex();
    const auto outcome = forward ? d->calculation.stepForward(*d->data, inputs, selected)
                                 : d->calculation.stepBack(*d->data, inputs, selected);
    if (const char* key = messageKey(outcome)) {
        report(key);
        return;
    }
    if (outcome != RegressionCalculation::Outcome::Ran)
        return;
    d->comboVariables->setCurrentIndex(d->calculation.variableCount() - 1);
    resetResults();
    markResultsValid();
    d->commandNext->setEnabled(d->calculation.canStepForward());
    d->commandPrevious->setEnabled(d->calculation.canStepBack());
    finishRun();
}

void UCCalibration::finishRun() {
    fillFormulaList();
    showResultChart(*d->data, textBoxNumber16(d->textStart->text()),
                    textBoxNumber16(d->textEnd->text()), d->calculation.calcResults(), 0);
}

void UCCalibration::fillFormulaList() {
    const QStringList texts = d->calculation.fillFormulaList(translated(key::correlation));
    d->diagnostics.emplace(*d->data, d->calculation);
    QSignalBlocker blocker(d->comboFormulas);
    d->comboFormulas->clear();
    d->comboFormulas->addItems(texts);
    const std::vector<CandidateDiagnostics>& candidates = d->diagnostics->candidates();
    for (int k = 0; k < texts.size(); ++k)
        d->comboFormulas->setItemData(
            k, diagnosticsText::candidateSummary(candidates[static_cast<std::size_t>(k)]),
            Qt::ToolTipRole);
    d->comboFormulas->setCurrentIndex(-1);
    blocker.unblock();
    if (!texts.isEmpty())
        d->comboFormulas->setCurrentIndex(0);
}

void UCCalibration::onFormulaSelected(int position) {
    if (!d->calculation.resultsValid() || !d->data || position < 0)
        return;
    d->comboFormulas->setToolTip(d->comboFormulas->itemData(position, Qt::ToolTipRole).toString());
    showResultChart(*d->data, textBoxNumber16(d->textStart->text()),
                    textBoxNumber16(d->textEnd->text()), d->calculation.calcResults(),
                    d->calculation.candidateRow(position));
}

void UCCalibration::markResultsValid() {
    d->calculation.markResultsValid();
    d->chart->setVisible(true);
    d->commandExportReport->setEnabled(true);
}

void UCCalibration::resetResults() {
    d->chart->setVisible(false);
    d->calculation.resetResults();
    d->commandExportReport->setEnabled(false);
    d->commandNext->setEnabled(false);
    d->commandPrevious->setEnabled(false);
    d->comboFormulas->clear();
    d->comboFormulas->setToolTip(QString());
    clearPointValues();
    d->commandDelete->setEnabled(false);
    // The fixed English caption, not the translation: the reset is defined so.
    d->commandDelete->setText(QStringLiteral("Disable point"));
    d->textCorr->clear();
    d->textStdErr->clear();
}

void UCCalibration::onGradeClicked() {
    d->commandCalculate->setEnabled(d->checkGrade1->isChecked() || d->checkGrade2->isChecked());
    resetResults();
}

void UCCalibration::showResultChart(const MeasurementData& data, int16_t first, int16_t last,
                                    const CalcResults& results, int16_t row) {
    const ResultChartData chart = computeResultChart(
        data, first, last, results, row, d->calculation.calcParams()[block::Measurement]);
    d->plottedPoints = chart.plottedPoints;
    // The series and marks are made once: adding a series to the chart costs
    // far more than replacing its points.
    if (d->chart->seriesCount() == 0) {
        d->chart->addSeries(XYChart::SeriesStyle::Markers, blue);
        d->chart->addSeries(XYChart::SeriesStyle::Line, red);
    }
    d->chart->setPoints(DataSeries, chart.points);
    d->chart->setPoints(LineSeries, chart.fittedLine ? QList<QPointF>{(*chart.fittedLine)[0],
                                                                      (*chart.fittedLine)[1]}
                                                     : QList<QPointF>{});
    if (d->diagnostics)
        showChartNotes(*d->chart, d->diagnostics->chartNotes(data, chart, results, row));
    d->textCorr->setText(generalText(chart.correlation, QLocale()));
    d->textStdErr->setText(generalText(chart.stdError, QLocale()));
    d->commandDelete->setEnabled(false);
    setDeleteCaption(key::disablePoint);
    d->chart->redraw();
    const int plotted = static_cast<int>(d->plottedPoints.size());
    if (plotted == 0) {
        clearPointValues();
        return;
    }
    const int point = std::clamp(d->chart->pointCursor().point, 0, plotted - 1);
    d->chart->setCursor(DataSeries, point);
    showPointValues(d->plottedPoints[static_cast<std::size_t>(point)]);
}

void UCCalibration::updatePointColors() {
    if (!d->calculation.resultsValid())
        return;
    for (int k = 0; k < static_cast<int>(d->plottedPoints.size()); ++k) {
        const PointPtr point = plottedPoint(k);
        d->chart->setPointColor(DataSeries, k, point && point->enabled ? blue : black);
    }
    d->chart->redraw();
}

PointPtr UCCalibration::plottedPoint(int chartPoint) const {
    if (!d->data || chartPoint < 0 || chartPoint >= static_cast<int>(d->plottedPoints.size()))
        return nullptr;
    const int16_t index = d->plottedPoints[static_cast<std::size_t>(chartPoint)];
    if (index >= d->data->pointCount())
        return nullptr;
    return d->data->getMeasurementPoints(index);
}

void UCCalibration::onCursorMoved(int series, int point) {
    const PointPtr selected = series == DataSeries ? plottedPoint(point) : nullptr;
    if (!selected) {
        clearPointValues();
        d->commandDelete->setEnabled(false);
        setDeleteCaption(key::disablePoint);
        return;
    }
    showPointValues(d->plottedPoints[static_cast<std::size_t>(point)]);
    d->commandDelete->setEnabled(true);
    setDeleteCaption(selected->enabled ? key::disablePoint : key::enablePoint);
}

void UCCalibration::onTogglePoint() {
    const int k = d->chart->pointCursor().point;
    const PointPtr point = d->chart->pointCursor().series == DataSeries ? plottedPoint(k) : nullptr;
    if (!point)
        return;
    point->enabled = !point->enabled;
    d->chart->setPointColor(DataSeries, k, point->enabled ? blue : black);
    setDeleteCaption(point->enabled ? key::disablePoint : key::enablePoint);
    d->chart->redraw();
    emit samplesChanged({d->plottedPoints[static_cast<std::size_t>(k)]});
}

void UCCalibration::setDeleteCaption(const char* key) {
    d->commandDelete->setText(translated(key));
}

void UCCalibration::showPointValues(int16_t index) {
    if (!d->data || index < 0 || index >= d->data->pointCount())
        return clearPointValues();
    const QStringList values = pointDetailValues(*d->data->getMeasurementPoints(index), index);
    for (int i = 0; i < values.size(); ++i)
        d->pointList->topLevelItem(i)->setText(1, values[i]);
}

void UCCalibration::clearPointValues() {
    for (int i = 0; i < d->pointList->topLevelItemCount(); ++i)
        d->pointList->topLevelItem(i)->setText(1, QString());
}

std::optional<CalibrationFormula> UCCalibration::getCurrentFormula() const {
    return d->calculation.currentFormula(d->comboFormulas->currentIndex(),
                                         d->comboMeasurement->currentIndex());
}

int16_t UCCalibration::getStartPoint() const {
    return toInt16Strict(d->textStart->text(), QLocale());
}

int16_t UCCalibration::getEndPoint() const {
    return toInt16Strict(d->textEnd->text(), QLocale());
}

void UCCalibration::onExportReport() {
    const int position = d->comboFormulas->currentIndex();
    if (!d->calculation.resultsValid() || !d->data || position < 0)
        return;
    Prompts::FileDialog dialog;
    dialog.title = QStringLiteral("Export report");
    dialog.filter = QStringLiteral("PDF document (*.pdf)");
    dialog.defaultSuffix = QStringLiteral("pdf");
    dialog.proposedName = QStringLiteral("calibration-report.pdf");
    const std::optional<QString> path = Prompts::instance().saveFileName(dialog);
    if (!path)
        return;
    CalibrationReport(CalibrationRecord::of(*d->data, d->dataFileName, d->calculation, position))
        .writePdf(*path);
}

void UCCalibration::onShowResults() {
    if (!d->resultTable)
        d->resultTable = new ResultTable(this);
    d->resultTable->SetResultData(d->calculation.calcResults());
    QList<QStringList> diagnosticsRows;
    if (d->diagnostics)
        for (const CandidateDiagnostics& candidate : d->diagnostics->candidates())
            diagnosticsRows.append(diagnosticsText::candidateCells(candidate));
    d->resultTable->setDiagnosticsRows(diagnosticsRows);
    if (d->comm)
        d->resultTable->translate(*d->comm);
    Prompts::instance().runModal(*d->resultTable);
}

void UCCalibration::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

void UCCalibration::placeControls() {
    d->layout.resize(QSize(pixelsToTwipsX(*this, width()), pixelsToTwipsY(*this, height())));
    const WorkbenchLayout& layout = d->layout;
    const auto place = [](QWidget* widget, const QRect& twips) {
        placeInTwips(*widget, twips);
    };
    place(d->labelMeasurement, layout.labelMeasurement);
    place(d->comboMeasurement, layout.comboMeasurement);
    place(d->labelVariables, layout.labelVariables);
    place(d->comboVariables, layout.comboVariables);
    place(d->checkGrade1, layout.checkGrade1);
    place(d->checkGrade2, layout.checkGrade2);
    place(d->labelStart, layout.labelStart);
    place(d->textStart, layout.textStart);
    place(d->labelEnd, layout.labelEnd);
    place(d->textEnd, layout.textEnd);
    place(d->labelFormulas, layout.labelFormulas);
    place(d->comboFormulas, layout.comboFormulas);
    place(d->commandResult, layout.commandResult);
    place(d->commandCalculate, layout.commandCalculate);
    place(d->commandPrevious, layout.commandPrevious);
    place(d->commandNext, layout.commandNext);
    place(d->commandDelete, layout.commandDelete);
    place(d->commandExportReport, layout.commandExportReport);
    place(d->chart, layout.chart);
    place(d->pointList, layout.pointList);
    place(d->labelCorr, layout.labelCorr);
    place(d->textCorr, layout.textCorr);
    place(d->labelStdErr, layout.labelStdErr);
    place(d->textStdErr, layout.textStdErr);
    const int half = d->pointList->width() * 48 / 100;
    d->pointList->setColumnWidth(0, half);
    d->pointList->setColumnWidth(1, half);
}

} // namespace orvo
