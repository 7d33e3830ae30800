#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/model/MeasurementData.h>
#include <orvo/views/DayFirstPrompt.h>
#include <orvo/views/GuardedCall.h>
#include <orvo/views/HeaderImages.h>
#include <orvo/views/OrvoCalibrationGUI.h>
#include <orvo/views/ShellLayout.h>
#include <orvo/views/UCCalibration.h>
#include <orvo/views/UCDataEditor.h>
#include <orvo/views/UCFollowUp.h>
#include <orvo/views/controls/NamedChild.h>
#include <orvo/views/controls/Twips.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>

namespace orvo {

namespace {} // namespace

struct OrvoCalibrationGUI::Private {
    QString fileName;
    bool clean = true;
    std::shared_ptr<MeasurementData> data;
    IDTMCommunication* comm = nullptr;

    QFrame* frame = nullptr;
    QLabel* image1 = nullptr;
    QLabel* image2 = nullptr;
    QLabel* image3 = nullptr;
    QLabel* title = nullptr;
    QPushButton* commandData = nullptr;
    QPushButton* commandRegression = nullptr;
    QPushButton* commandFollowUp = nullptr;
    QStatusBar* statusBar = nullptr;
    UCDataEditor* dataEditor = nullptr;
    UCCalibration* calibration = nullptr;
    UCFollowUp* followUp = nullptr;

    MeasurementData& dataSet() {
        if (!data)
            data = std::make_shared<MeasurementData>();
        return *data;
    }

    QString translated(const char* key) const {
        if (!comm)
            throw CalibrationError(ErrorNumber::MissingObject,
                                   QStringLiteral("The host object has not been set"));
        return comm->getTranslation(QString::fromLatin1(key));
    }
};

OrvoCalibrationGUI::OrvoCalibrationGUI(QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>()) {
    createFrame();
    createViews();
    connectControls();
    showOnly(d->dataEditor);
    placeControls();
}

OrvoCalibrationGUI::~OrvoCalibrationGUI() = default;

void OrvoCalibrationGUI::createFrame() {
    d->frame = namedChild<QFrame>(this, "Frame1");
    d->image3 = namedChild<QLabel>(d->frame, "Image3");
    d->image3->setScaledContents(true);
    d->image1 = namedChild<QLabel>(d->frame, "Image1");
    d->image2 = namedChild<QLabel>(d->frame, "Image2");
    d->title = namedChild<QLabel>(d->frame, "LabelCalibration");
    d->title->setText(QStringLiteral("Calibration"));
    QFont titleFont = d->title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    d->title->setFont(titleFont);
    d->commandData = namedChild<QPushButton>(this, "CommandData", "Data");
    d->commandRegression = namedChild<QPushButton>(this, "CommandRegression", "Multi regression");
    d->commandFollowUp = namedChild<QPushButton>(this, "CommandFollowUp", "Follow-up");
    d->statusBar = namedChild<QStatusBar>(this, "StatusBar1");
    d->statusBar->setSizeGripEnabled(false);
}

void OrvoCalibrationGUI::createViews() {
    d->dataEditor = namedChild<UCDataEditor>(this, "UCDataEditor1");
    d->calibration = namedChild<UCCalibration>(this, "UCCalibration1");
    d->followUp = namedChild<UCFollowUp>(this, "UCFollowUp1");
    d->followUp->Disable_Chart();
}

void OrvoCalibrationGUI::connectControls() {
    const auto guarded = [this](void (OrvoCalibrationGUI::*handler)()) {
        return [this, handler] {
            guardedCall([&] { (this->*handler)(); });
        };
    };
    connect(d->commandData, &QPushButton::clicked, this, guarded(&OrvoCalibrationGUI::onShowData));
    connect(d->commandRegression, &QPushButton::clicked, this,
            guarded(&OrvoCalibrationGUI::onShowRegression));
    connect(d->commandFollowUp, &QPushButton::clicked, this,
            guarded(&OrvoCalibrationGUI::onShowFollowUp));
    // Views change samples in place; the others show the new state at once.
    connect(d->dataEditor, &UCDataEditor::samplesChanged, this,
            [this] { guardedCall([&] { d->calibration->updatePointColors(); }); });
    connect(d->calibration, &UCCalibration::samplesChanged, this,
            [this] { guardedCall([&] { d->dataEditor->updateCheckBoxes(); }); });
}

void OrvoCalibrationGUI::setCommunication(IDTMCommunication* comm) {
    d->comm = comm;
    d->followUp->setCommunication(comm);
    d->dataEditor->setCommunication(comm);
    d->calibration->setCommunication(comm);
}

void OrvoCalibrationGUI::setDataFile(const QString& dataFile) {
    d->fileName = dataFile;
    d->dataEditor->setDataFileName(dataFile);
    d->calibration->setDataFileName(dataFile);
    MeasurementData& data = d->dataSet();
    try {
        data.ReadFile(dataFile, askDayFirstThroughPrompts);
    } catch (const std::exception&) {
        // The host names the file; an unreadable one leaves what was read.
    }
    d->dataEditor->SetData(d->data);
    d->calibration->SetMeasurementData(d->data);
    d->followUp->SetMeasurementData(d->data);
}

void OrvoCalibrationGUI::setOnlineMode(bool mode) {
    d->dataEditor->setOnlineMode(mode);
    d->followUp->setOnlineMode(mode);
}

void OrvoCalibrationGUI::translate() {
    d->calibration->translate();
    d->dataEditor->translate();
    d->followUp->translate();
    d->commandData->setText(d->translated(key::data));
    d->commandRegression->setText(d->translated(key::multiRegression));
    d->commandFollowUp->setText(d->translated(key::followUp));
    d->title->setText(d->translated(key::calibration));
}

QString OrvoCalibrationGUI::FileName() const {
    return d->fileName;
}

bool OrvoCalibrationGUI::bClean() const {
    return d->clean;
}

bool OrvoCalibrationGUI::hasUnsavedChanges() const {
    return d->dataEditor->hasUnsavedChanges();
}

void OrvoCalibrationGUI::showOnly(QWidget* view) {
    for (QWidget* each :
         {static_cast<QWidget*>(d->dataEditor), static_cast<QWidget*>(d->calibration),
          static_cast<QWidget*>(d->followUp)})
        each->setVisible(each == view);
}

void OrvoCalibrationGUI::onShowData() {
    d->dataEditor->updateCheckBoxes();
    showOnly(d->dataEditor);
}

void OrvoCalibrationGUI::takeEditorData() {
    d->data = d->dataEditor->GetData();
    d->dataSet();
}

void OrvoCalibrationGUI::onShowRegression() {
    if (d->dataEditor->isNewMeasurementData()) {
        d->dataEditor->setMeasurementDataValid();
        takeEditorData();
        d->calibration->SetMeasurementData(d->data);
    }
    d->calibration->updatePointColors();
    showOnly(d->calibration);
}

void OrvoCalibrationGUI::onShowFollowUp() {
    takeEditorData();
    d->followUp->SetMeasurementData(d->data);
    const std::optional<CalibrationFormula> formula = d->calibration->getCurrentFormula();
    const int16_t first = d->calibration->getStartPoint();
    const int16_t last = d->calibration->getEndPoint();
    if (formula) {
        d->followUp->Enable_Chart();
        d->followUp->UpdateChart(d->data, *formula, first, last);
    } else {
        d->followUp->Disable_Chart();
    }
    showOnly(d->followUp);
}

void OrvoCalibrationGUI::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

void OrvoCalibrationGUI::placeControls() {
    const int statusBarHeight = pixelsToTwipsY(*this, d->statusBar->sizeHint().height());
    const ShellLayout layout = ShellLayout::forSize(
        QSize(pixelsToTwipsX(*this, width()), pixelsToTwipsY(*this, height())), statusBarHeight);
    placeInTwips(*d->frame, layout.header);
    placeInTwips(*d->image3, QRect(QPoint(0, 0), layout.header.size()));
    placeInTwips(*d->image1, layout.image1);
    placeInTwips(*d->image2, layout.image2);
    placeInTwips(*d->title, layout.title);
    d->image1->setPixmap(instrumentMark(d->image1->height()));
    d->image2->setPixmap(calibrationMark(d->image2->height()));
    d->image3->setPixmap(headerBackground(d->image3->size()));
    placeInTwips(*d->dataEditor, layout.views);
    placeInTwips(*d->calibration, layout.views);
    placeInTwips(*d->followUp, layout.views);
    placeInTwips(*d->commandData, layout.commandData);
    placeInTwips(*d->commandRegression, layout.commandRegression);
    placeInTwips(*d->commandFollowUp, layout.commandFollowUp);
    placeInTwips(*d->statusBar, layout.statusBar);
}

} // namespace orvo
