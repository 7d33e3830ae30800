#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/Prompts.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/regression/FollowUpChart.h>
#include <orvo/regression/FollowUpReadout.h>
#include <orvo/views/FollowUpLayout.h>
#include <orvo/views/FormFormulaEditor.h>
#include <orvo/views/GuardedCall.h>
#include <orvo/views/UCFollowUp.h>
#include <orvo/views/controls/NamedChild.h>
#include <orvo/views/controls/Twips.h>
#include <orvo/views/controls/XYChart.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include <array>

namespace orvo {

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor rangeLineColor(96, 96, 96);
constexpr int labSeries = 0;
constexpr int estimateSeries = 1;

enum Readout { Number, Date, LabValue, Estimate, Difference, Percentage };

struct ReadoutControl {
    const char* caption;
    const char* box;
    const char* text;
};

constexpr std::array<ReadoutControl, FollowUpLayout::ReadoutCount> readoutControls{{
    {"LabelNum", "TextNum", "Num."},
    {"LabelDate", "TextDate", "Date"},
    {"LabelLabValue", "TextLabValue", "Lab value"},
    {"LabelEstValue", "TextEstValue", "Estimated value"},
    {"LabelDiff", "TextDiff", "Difference"},
    {"LabelDiffPer", "TextDiffPer", "Difference%"},
}};

QLineEdit* readOnlyBox(QWidget* parent, const char* name) {
    auto* box = namedChild<QLineEdit>(parent, name);
    box->setReadOnly(true);
    return box;
}

} // namespace

struct UCFollowUp::Private {
    explicit Private(UCFollowUp& owner) : view(owner) {}

    UCFollowUp& view;
    std::shared_ptr<MeasurementData> data;
    // The set the chart was drawn from, which the readouts describe.
    std::shared_ptr<MeasurementData> drawnData;
    CalibrationFormula formula;
    IDTMCommunication* comm = nullptr;
    bool onlineMode = false;
    int16_t first = 0;
    int16_t last = 0;
    bool chartEnabled = false;
    std::vector<int16_t> chartIndex;
    FormFormulaEditor* openDialog = nullptr;
    FollowUpLayout layout;

    QLabel* label = nullptr;
    QLineEdit* textFormula = nullptr;
    QPushButton* commandFormula = nullptr;
    QCheckBox* checkShowDisabled = nullptr;
    XYChart* chart = nullptr;
    std::array<QLabel*, FollowUpLayout::ReadoutCount> captions{};
    std::array<QLineEdit*, FollowUpLayout::ReadoutCount> boxes{};

    void createControls();
    void connectControls();
    void place();
    void draw();
    void drawRangeLines(const FollowUpChart& drawn);
    void clearReadouts();
    void placeCursorAt(QPointF value);
    void openFormulaDialog();
    IDTMCommunication& host() const;
    QString translated(const char* key) const;
};

UCFollowUp::UCFollowUp(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>(*this)) {
    d->createControls();
    d->connectControls();
    d->chart->setVisible(false);
    d->place();
}

UCFollowUp::~UCFollowUp() = default;

void UCFollowUp::Private::createControls() {
    label = namedChild<QLabel>(&view, "Label1", "Calibration formula");
    textFormula = readOnlyBox(&view, "TextFormula");
    commandFormula = namedChild<QPushButton>(&view, "CommandFormula", "Formula");
    checkShowDisabled = namedChild<QCheckBox>(&view, "CheckShowDisabled", "Show disabled points");
    for (std::size_t i = 0; i < readoutControls.size(); ++i) {
        captions[i] =
            namedChild<QLabel>(&view, readoutControls[i].caption, readoutControls[i].text);
        boxes[i] = readOnlyBox(&view, readoutControls[i].box);
    }
    chart = new XYChart(&view);
    chart->setObjectName(QStringLiteral("Pesgo1"));
    chart->setKeyboardSteppingEnabled(true);
}

void UCFollowUp::Private::connectControls() {
    QObject::connect(checkShowDisabled, &QCheckBox::clicked, &view, [this] {
        guardedCall([this] { view.UpdateChart(data, formula, first, last); });
    });
    QObject::connect(commandFormula, &QPushButton::clicked, &view,
                     [this] { guardedCall([this] { openFormulaDialog(); }); });
    QObject::connect(chart, &XYChart::mouseClicked, &view,
                     [this](QPointF value) { guardedCall([&] { placeCursorAt(value); }); });
    QObject::connect(chart, &XYChart::cursorMoved, &view,
                     [this] { guardedCall([this] { view.RefreshTextBoxes(); }); });
}

void UCFollowUp::SetMeasurementData(std::shared_ptr<MeasurementData> data) {
    d->data = std::move(data);
}

void UCFollowUp::setCommunication(IDTMCommunication* comm) {
    d->comm = comm;
}

void UCFollowUp::setOnlineMode(bool mode) {
    d->onlineMode = mode;
    if (d->openDialog)
        d->openDialog->setOnlineMode(mode);
}

void UCFollowUp::UpdateChart(std::shared_ptr<MeasurementData> data,
                             const CalibrationFormula& formula, int16_t first, int16_t last) {
    d->data = std::move(data);
    d->formula = formula;
    d->first = first;
    d->last = last;
    d->chartIndex.assign(static_cast<std::size_t>(d->data ? d->data->pointCount() : 0) + 1, 0);
    if (d->chartEnabled)
        d->draw();
}

void UCFollowUp::Private::draw() {
    static const MeasurementData noSamples;
    drawnData = data;
    textFormula->setText(formula.GetFormulaString());
    const FollowUpChart drawn(data ? *data : noSamples, formula, first, last,
                              checkShowDisabled->isChecked());
    chartIndex = drawn.chartIndex();
    // Made once and refilled: adding series costs more than drawing them.
    if (chart->seriesCount() == 0) {
        chart->addSeries(XYChart::SeriesStyle::LineWithMarkers, blue);
        chart->addSeries(XYChart::SeriesStyle::LineWithMarkers, red);
    }
    chart->setPoints(labSeries, drawn.labValues());
    chart->setPoints(estimateSeries, drawn.estimates());
    drawRangeLines(drawn);
    chart->redraw();
    chart->setCursor(estimateSeries, 0);
    view.RefreshTextBoxes();
}

void UCFollowUp::Private::drawRangeLines(const FollowUpChart& drawn) {
    QList<XYChart::RangeLine> lines;
    for (const std::optional<double>& x : {drawn.startLine(), drawn.endLine()})
        if (x)
            lines.append({*x, drawn.low(), drawn.high(), rangeLineColor});
    chart->setRangeLines(lines);
}

void UCFollowUp::RefreshTextBoxes() {
    const int c = d->chart->pointCursor().point;
    const bool drawn = d->chart->seriesCount() > estimateSeries && d->chart->hasCursorPoint() &&
                       c < static_cast<int>(d->chartIndex.size()) && d->drawnData;
    const int k = drawn ? d->chartIndex[static_cast<std::size_t>(c)] : -1;
    if (k < 0 || k >= d->drawnData->pointCount())
        return d->clearReadouts();
    const FollowUpReadout readout =
        FollowUpReadout::of(k, *d->drawnData->getMeasurementPoints(static_cast<int16_t>(k)),
                            static_cast<float>(d->chart->point(labSeries, c).y()),
                            static_cast<float>(d->chart->point(estimateSeries, c).y()));
    const std::array<QString, FollowUpLayout::ReadoutCount> texts = {
        readout.number,   readout.date,       readout.labValue,
        readout.estimate, readout.difference, readout.percentage};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        d->boxes[i]->setText(texts[i]);
        // A text longer than its box shows its start.
        d->boxes[i]->setCursorPosition(0);
    }
}

void UCFollowUp::Private::clearReadouts() {
    for (QLineEdit* box : boxes)
        box->clear();
}

void UCFollowUp::Private::placeCursorAt(QPointF value) {
    if (!chartEnabled || chart->seriesCount() <= estimateSeries)
        return;
    const std::optional<int> point =
        FollowUpChart::pointAt(value.x(), chart->pointCount(estimateSeries));
    if (!point)
        return;
    chart->setCursor(estimateSeries, *point);
    view.RefreshTextBoxes();
}

void UCFollowUp::Disable_Chart() {
    d->chart->setVisible(false);
    d->chartEnabled = false;
    d->formula = CalibrationFormula();
    d->formula.Grade = 1;
    d->textFormula->clear();
    d->clearReadouts();
}

void UCFollowUp::Enable_Chart() {
    d->chart->setVisible(true);
    d->chartEnabled = true;
}

void UCFollowUp::Private::openFormulaDialog() {
    IDTMCommunication& link = host();
    FormFormulaEditor dialog(&view);
    openDialog = &dialog;
    const auto forget = qScopeGuard([this] { openDialog = nullptr; });
    dialog.setCommunication(&link);
    dialog.SetFormula(formula);
    dialog.setOnlineMode(onlineMode);
    dialog.translate(link);
    Prompts::instance().runModal(dialog);
    formula = dialog.getFormula();
    if (dialog.formulaAccepted() && data && data->pointCount() > 0) {
        view.Enable_Chart();
        view.UpdateChart(data, formula, 1, data->pointCount());
    }
}

IDTMCommunication& UCFollowUp::Private::host() const {
    if (!comm)
        throw CalibrationError::missingObject(QStringLiteral("The host object has not been set"));
    return *comm;
}

QString UCFollowUp::Private::translated(const char* key) const {
    return host().getTranslation(QString::fromLatin1(key));
}

void UCFollowUp::translate() {
    d->label->setText(d->translated(key::calibrationFormula));
    d->commandFormula->setText(d->translated(key::formula));
    d->captions[Number]->setText(d->translated(key::measurementNum));
    d->captions[Date]->setText(d->translated(key::date));
    d->captions[LabValue]->setText(d->translated(key::labValue));
    d->captions[Estimate]->setText(d->translated(key::estValue));
    d->captions[Difference]->setText(d->translated(key::difference));
    d->captions[Percentage]->setText(d->translated(key::difference) + QLatin1Char('%'));
    d->checkShowDisabled->setText(d->translated(key::showDisabledPoints));
}

void UCFollowUp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    d->place();
}

void UCFollowUp::Private::place() {
    layout.resize(QSize(pixelsToTwipsX(view, view.width()), pixelsToTwipsY(view, view.height())));
    placeInTwips(*label, layout.label);
    placeInTwips(*textFormula, layout.textFormula);
    placeInTwips(*chart, layout.chart);
    placeInTwips(*commandFormula, layout.commandFormula);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        placeInTwips(*captions[i], layout.readouts[i].caption);
        placeInTwips(*boxes[i], layout.readouts[i].box);
    }
    placeInTwips(*checkShowDisabled, layout.checkShowDisabled);
}

} // namespace orvo
