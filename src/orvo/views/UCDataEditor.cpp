#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/Prompts.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementPoint.h>
#include <orvo/model/OleDate.h>
#include <orvo/model/SavedSnapshot.h>
#include <orvo/views/DataEditorLayout.h>
#include <orvo/views/DayFirstPrompt.h>
#include <orvo/views/GuardedCall.h>
#include <orvo/views/SampleGridModel.h>
#include <orvo/views/UCDataEditor.h>
#include <orvo/views/controls/GridSetup.h>
#include <orvo/views/controls/NamedChild.h>
#include <orvo/views/controls/Twips.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableView>
#include <QtMath>

namespace orvo {

namespace {

const char* const updateFailedStep = "Error during upload parameters";
const char* const saveFailedStep = "Error during saving data";
const char* const clearFailedStep = "Error during clearing data";

Prompts::FileDialog calibrationFileDialog(const std::function<QString(const char*)>& translated,
                                          const char* titleKey) {
    Prompts::FileDialog dialog;
    dialog.title = translated(titleKey);
    dialog.selectedFilter = translated(key::calibrationFile) + QStringLiteral(" (*.cal)");
    dialog.filter = translated(key::allFiles) + QStringLiteral(" (*.*);;") + dialog.selectedFilter;
    dialog.defaultSuffix = QStringLiteral("cal");
    dialog.proposedName = QStringLiteral("calibration.cal");
    return dialog;
}

// A file whose owner may not write it, whoever runs the program.
bool isReadOnlyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

struct UCDataEditor::Private {
    IDTMCommunication* comm = nullptr;
    QString dataFileName;
    bool newData = false;
    SavedSnapshot saved;
    DataEditorLayout layout;

    QLabel* label = nullptr;
    QPushButton* commandSave = nullptr;
    QPushButton* commandUpdate = nullptr;
    QPushButton* commandImport = nullptr;
    QPushButton* commandExport = nullptr;
    QPushButton* commandClear = nullptr;
    QTableView* grid = nullptr;
    SampleGridModel* model = nullptr;
};

UCDataEditor::UCDataEditor(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>()) {
    createControls();
    createGrid();
    connectControls();
    placeControls();
}

UCDataEditor::~UCDataEditor() = default;

void UCDataEditor::createControls() {
    d->label = namedChild<QLabel>(this, "Label1", "Calibration table");
    d->commandSave = namedChild<QPushButton>(this, "CommandSave", "Save changes");
    d->commandUpdate = namedChild<QPushButton>(this, "CommandUpdate", "Update data");
    d->commandImport = namedChild<QPushButton>(this, "CommandImport", "Import");
    d->commandExport = namedChild<QPushButton>(this, "CommandExport", "Export");
    d->commandClear = namedChild<QPushButton>(this, "CommandClear", "Clear table");
}

void UCDataEditor::createGrid() {
    d->grid = new QTableView(this);
    d->grid->setObjectName(QStringLiteral("scgData"));
    d->model = new SampleGridModel(d->grid);
    d->grid->setModel(d->model);
    d->grid->verticalHeader()->setVisible(false);
    d->grid->verticalHeader()->setDefaultSectionSize(d->grid->fontMetrics().height() + 6);
    d->grid->horizontalHeader()->setHighlightSections(false);
    d->grid->horizontalHeader()->setSectionsClickable(true);
    d->grid->setWordWrap(false);
    // One cell at a time; a header click then switches the samples without
    // also selecting a column.
    d->grid->setSelectionMode(QAbstractItemView::SingleSelection);
    d->grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    const double scale = gridWidthScale(*d->grid);
    const QList<int> widths = SampleGridModel::columnWidths();
    for (int c = 0; c < widths.size(); ++c)
        d->grid->setColumnWidth(c, qRound(widths[c] * scale));
}

void UCDataEditor::connectControls() {
    const auto guarded = [this](void (UCDataEditor::*handler)()) {
        return [this, handler] {
            guardedCall([&] { (this->*handler)(); });
        };
    };
    connect(d->commandUpdate, &QPushButton::clicked, this, guarded(&UCDataEditor::onUpdate));
    connect(d->commandSave, &QPushButton::clicked, this, guarded(&UCDataEditor::onSave));
    connect(d->commandImport, &QPushButton::clicked, this, guarded(&UCDataEditor::onImport));
    connect(d->commandExport, &QPushButton::clicked, this, guarded(&UCDataEditor::onExport));
    connect(d->commandClear, &QPushButton::clicked, this, guarded(&UCDataEditor::onClear));
    connect(d->grid->horizontalHeader(), &QHeaderView::sectionClicked, d->model,
            &SampleGridModel::switchAllSamples);
    connect(d->model, &SampleGridModel::labValueRefused, this,
            guarded(&UCDataEditor::showIllegalValue));
    connect(d->model, &SampleGridModel::samplesChanged, this, &UCDataEditor::samplesChanged);
}

void UCDataEditor::setCommunication(IDTMCommunication* comm) {
    d->comm = comm;
}

void UCDataEditor::setDataFileName(const QString& FileName) {
    d->dataFileName = FileName;
}

void UCDataEditor::SetData(std::shared_ptr<MeasurementData> ms) {
    if (ms)
        d->saved.take(*ms);
    d->model->refill(std::move(ms));
}

std::shared_ptr<MeasurementData> UCDataEditor::GetData() const {
    return d->model->samples();
}

void UCDataEditor::updateCheckBoxes() {
    d->model->updateCheckBoxes();
}

bool UCDataEditor::isNewMeasurementData() const {
    return d->newData;
}

void UCDataEditor::setMeasurementDataValid() {
    d->newData = false;
}

void UCDataEditor::setOnlineMode(bool mode) {
    d->commandUpdate->setEnabled(mode);
}

bool UCDataEditor::hasUnsavedChanges() const {
    const std::shared_ptr<MeasurementData>& data = d->model->samples();
    return data && d->saved.differsFrom(*data);
}

IDTMCommunication& UCDataEditor::hostLink() const {
    if (!d->comm)
        throw CalibrationError::missingObject(QStringLiteral("the host object has not been set"));
    return *d->comm;
}

QString UCDataEditor::translated(const char* key) const {
    return hostLink().getTranslation(QString::fromLatin1(key));
}

MeasurementData& UCDataEditor::dataSet() const {
    if (!d->model->samples())
        throw CalibrationError::missingObject(QStringLiteral("the editor holds no data set"));
    return *d->model->samples();
}

void UCDataEditor::translate() {
    d->label->setText(translated(key::calibrationTable));
    d->commandSave->setText(translated(key::save));
    d->commandUpdate->setText(translated(key::update));
    d->commandImport->setText(translated(key::import_));
    d->commandExport->setText(translated(key::export_));
    d->commandClear->setText(translated(key::clearLabs));
    d->model->translateCaptions([this](const char* key) { return translated(key); });
}

namespace {

// Throws unless the cell is in the grid: row 1 the captions, then one row
// per sample, columns 1 to 23.
void requireCell(int16_t Row, int16_t Col, int sampleCount) {
    if (Row < 1 || Row > sampleCount + 1 || Col < 1 || Col > SampleGridModel::ColumnCount)
        throw CalibrationError::outOfRange(QStringLiteral("cell %1, %2 of a grid of %3 rows")
                                               .arg(Row)
                                               .arg(Col)
                                               .arg(sampleCount + 1));
}

bool hasCheckBox(int16_t Row, int16_t Col) {
    return Row >= 2 && Col == SampleGridModel::CheckColumn + 1;
}

} // namespace

bool UCDataEditor::CellChecked(int16_t Row, int16_t Col) const {
    requireCell(Row, Col, d->model->sampleCount());
    return hasCheckBox(Row, Col) && d->model->isChecked(Row - 2);
}

void UCDataEditor::CellChecked(int16_t Row, int16_t Col, bool Checked) {
    requireCell(Row, Col, d->model->sampleCount());
    if (!hasCheckBox(Row, Col))
        throw CalibrationError::outOfRange(
            QStringLiteral("cell %1, %2 has no check box").arg(Row).arg(Col));
    d->model->setChecked(Row - 2, Checked);
}

void UCDataEditor::Error_Report(const QString& Failed_Function, const QString& Error_Description,
                                int16_t Error_Number) {
    const QString description = Error_Description.isEmpty()
                                    ? QStringLiteral("Description is unavailable :-(")
                                    : Error_Description;
    // A blank stands where a minus sign would.
    const QString number =
        (Error_Number < 0 ? QString() : QStringLiteral(" ")) + QString::number(Error_Number);
    const QString text = QStringLiteral("Error number: ") + number + QStringLiteral("\r\n") +
                         Failed_Function + QStringLiteral(" failed because of: ") + description;
    Prompts::instance().messageBox(text, Prompts::Buttons::Ok, Prompts::Icon::Critical,
                                   QStringLiteral("VuzAduvEvez"));
}

void UCDataEditor::showIllegalValue() {
    Prompts::instance().messageBox(QStringLiteral("Illegal value!"), Prompts::Buttons::Ok,
                                   Prompts::Icon::None, QCoreApplication::applicationName());
}

// Each step of Update that fails is reported, and the command goes on.
void UCDataEditor::runUpdateStep(const std::function<void()>& step) {
    const QString failedStep = QString::fromLatin1(updateFailedStep);
    try {
        step();
    } catch (const CalibrationError& error) {
        Error_Report(failedStep, error.description(), static_cast<int16_t>(error.number()));
    } catch (const std::exception& error) {
        Error_Report(failedStep, QString::fromLocal8Bit(error.what()), 0);
    } catch (...) {
        Error_Report(failedStep, QString(), 0);
    }
}

void UCDataEditor::onUpdate() {
    double referenceDate = OleDate::fromParts(1970, 1, 1, 0, 0, 0);
    std::optional<std::vector<PointPtr>> received;
    runUpdateStep([&] {
        const MeasurementData& data = dataSet();
        if (data.pointCount() > 0)
            referenceDate = data.getMeasurementPoints(static_cast<int16_t>(data.pointCount() - 1))
                                ->MeasurementDate;
    });
    runUpdateStep([&] { received = hostLink().getCalibrationData(referenceDate); });
    if (!received)
        return;
    runUpdateStep([&] { dataSet().AddNewData(*received); });
    runUpdateStep([&] { d->model->refill(d->model->samples()); });
}

// A failure is shown by the host with the file and the reason; the caller
// then leaves the set and its flags as they are.
bool UCDataEditor::writeWorkingFile(const char* failedStep,
                                    void (MeasurementData::*write)(const QString&) const) {
    try {
        (dataSet().*write)(d->dataFileName);
        return true;
    } catch (const CalibrationError& error) {
        const QString nativePath = QDir::toNativeSeparators(d->dataFileName);
        QString text = QString::fromLatin1(failedStep);
        if (!error.description().contains(nativePath))
            text += QStringLiteral(", file ") + nativePath;
        hostLink().showErrorMessage(text + QStringLiteral(": ") + error.description());
        return false;
    }
}

void UCDataEditor::clearModifiedFlags() {
    const MeasurementData& data = dataSet();
    for (int16_t i = 0; i < data.pointCount(); ++i)
        data.getMeasurementPoints(i)->modified = false;
}

void UCDataEditor::onSave() {
    if (!writeWorkingFile(saveFailedStep, &MeasurementData::SaveFile))
        return;
    clearModifiedFlags();
    d->saved.take(dataSet());
    d->model->refill(d->model->samples());
}

void UCDataEditor::onImport() {
    const std::optional<QString> fileName = Prompts::instance().openFileName(calibrationFileDialog(
        [this](const char* key) { return translated(key); }, key::sourceFile));
    if (!fileName)
        return;
    auto imported = std::make_shared<MeasurementData>();
    try {
        imported->ReadFile(*fileName, askDayFirstThroughPrompts);
    } catch (const CalibrationError&) {
        imported.reset();
    }
    if (!imported || imported->pointCount() == 0) {
        hostLink().showErrorMessage(translated(key::noValidData));
        return;
    }
    d->model->refill(std::move(imported));
    d->newData = true;
}

void UCDataEditor::onExport() {
    const Prompts::FileDialog dialog = calibrationFileDialog(
        [this](const char* key) { return translated(key); }, key::destinationFile);
    std::optional<QString> fileName = Prompts::instance().saveFileName(dialog);
    // The dialog refuses a read-only target and asks again.
    while (fileName && isReadOnlyFile(*fileName)) {
        Prompts::instance().messageBox(
            QStringLiteral(
                "%1\nThis file is set to read-only.\nTry again with a different file name.")
                .arg(QDir::toNativeSeparators(*fileName)),
            Prompts::Buttons::Ok, Prompts::Icon::Warning, dialog.title);
        fileName = Prompts::instance().saveFileName(dialog);
    }
    if (!fileName)
        return;
    try {
        dataSet().SaveFile(*fileName);
    } catch (const CalibrationError&) {
        // A failing export ends without a message; the set stays as it was.
    }
}

void UCDataEditor::onClear() {
    if (hostLink().showDialog(1, translated(key::areyousureclearlabs)) == 2)
        return;
    if (!writeWorkingFile(clearFailedStep, &MeasurementData::ClearFile))
        return;
    dataSet().setPointCountTo0();
    d->saved.take(dataSet());
    d->model->refill(d->model->samples());
}

void UCDataEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

void UCDataEditor::placeControls() {
    d->layout.resize(QSize(pixelsToTwipsX(*this, width()), pixelsToTwipsY(*this, height())));
    const DataEditorLayout& layout = d->layout;
    placeInTwips(*d->label, layout.label);
    placeInTwips(*d->commandClear, layout.commandClear);
    placeInTwips(*d->commandImport, layout.commandImport);
    placeInTwips(*d->commandExport, layout.commandExport);
    placeInTwips(*d->commandSave, layout.commandSave);
    placeInTwips(*d->commandUpdate, layout.commandUpdate);
    placeInTwips(*d->grid, layout.grid);
}

} // namespace orvo
