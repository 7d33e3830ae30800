#include <orvo/host/IDTMCommunication.h>
#include <orvo/host/Prompts.h>
#include <orvo/host/TranslationKeys.h>
#include <orvo/model/CalibrationError.h>
#include <orvo/views/FormFormulaEditor.h>
#include <orvo/views/GuardedCall.h>
#include <orvo/views/UCFormulaEditor.h>
#include <orvo/views/controls/NamedChild.h>

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace orvo {

namespace {

// The device takes at most five signals in a formula.
constexpr int maxTerms = 5;
constexpr int16_t bothGrades = 3;

QPushButton* button(QWidget* parent, const char* name, const char* text) {
    auto* result = namedChild<QPushButton>(parent, name, text);
    result->setAutoDefault(false);
    return result;
}

QString failureText(const std::exception& error) {
    if (const auto* calibration = dynamic_cast<const CalibrationError*>(&error))
        return QStringLiteral("Error %1: %2")
            .arg(static_cast<int>(calibration->number()))
            .arg(calibration->description());
    return QString::fromLocal8Bit(error.what());
}

bool isReadOnlyFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isWritable();
}

} // namespace

struct FormFormulaEditor::Private {
    explicit Private(FormFormulaEditor& owner) : dialog(owner) {}

    FormFormulaEditor& dialog;
    IDTMCommunication* comm = nullptr;
    CalibrationFormula formula;
    bool accepted = false;

    UCFormulaEditor* editor = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* commandRead = nullptr;
    QPushButton* commandWrite = nullptr;
    QPushButton* commandOk = nullptr;
    QPushButton* commandCancel = nullptr;

    void createControls();
    void connectCommand(QPushButton* button, void (Private::*command)());
    void run(void (Private::*command)());
    IDTMCommunication& host() const;
    QString translated(const char* key) const;
    void report(const char* key) const;
    std::optional<CalibrationFormula> checkedFormula() const;
    Prompts::FileDialog fileDialog(const char* titleKey) const;
    std::optional<QString> exportTarget() const;

    void onOk();
    void onCancel();
    void onRead();
    void onWrite();
    void onExport();
    void onImport();
};

FormFormulaEditor::FormFormulaEditor(QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>(*this)) {
    setWindowTitle(QStringLiteral("Formula"));
    d->createControls();
    d->connectCommand(d->importButton, &Private::onImport);
    d->connectCommand(d->exportButton, &Private::onExport);
    d->connectCommand(d->commandRead, &Private::onRead);
    d->connectCommand(d->commandWrite, &Private::onWrite);
    d->connectCommand(d->commandOk, &Private::onOk);
    d->connectCommand(d->commandCancel, &Private::onCancel);
}

FormFormulaEditor::~FormFormulaEditor() = default;

void FormFormulaEditor::Private::createControls() {
    editor = new UCFormulaEditor(&dialog);
    editor->setObjectName(QStringLiteral("UCFormulaEditor1"));
    importButton = button(&dialog, "ImportButton", "Import...");
    exportButton = button(&dialog, "ExportButton", "Export...");
    commandRead = button(&dialog, "CommandRead", "Read");
    commandWrite = button(&dialog, "CommandWrite", "Write");
    commandOk = button(&dialog, "CommandOK", "OK");
    commandCancel = button(&dialog, "CommandCancel", "Cancel");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b :
         {importButton, exportButton, commandRead, commandWrite, commandOk, commandCancel})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(&dialog);
    layout->addWidget(editor, 1);
    layout->addLayout(buttons);
}

void FormFormulaEditor::Private::connectCommand(QPushButton* button, void (Private::*command)()) {
    QObject::connect(button, &QPushButton::clicked, &dialog, [this, command] { run(command); });
}

// The host's own failures, on reading or writing a formula or showing a
// message, are shown through the host; the dialog stays as it was.
void FormFormulaEditor::Private::run(void (Private::*command)()) {
    guardedCall([&] {
        try {
            (this->*command)();
        } catch (const std::exception& error) {
            if (!comm)
                throw;
            comm->showErrorMessage(failureText(error));
        }
    });
}

IDTMCommunication& FormFormulaEditor::Private::host() const {
    if (!comm)
        throw CalibrationError::missingObject(QStringLiteral("The host object has not been set"));
    return *comm;
}

QString FormFormulaEditor::Private::translated(const char* key) const {
    return host().getTranslation(QString::fromLatin1(key));
}

void FormFormulaEditor::Private::report(const char* key) const {
    host().showErrorMessage(translated(key));
}

std::optional<CalibrationFormula> FormFormulaEditor::Private::checkedFormula() const {
    const std::optional<CalibrationFormula> edited = editor->getFormula();
    if (!edited) {
        report(key::illegalValues);
        return std::nullopt;
    }
    if (edited->countTerms() > maxTerms) {
        report(key::onlyFiveCoefficientsAllowed);
        return std::nullopt;
    }
    return edited;
}

void FormFormulaEditor::Private::onOk() {
    const std::optional<CalibrationFormula> edited = checkedFormula();
    if (!edited)
        return;
    accepted = true;
    formula = *edited;
    dialog.accept();
}

void FormFormulaEditor::Private::onCancel() {
    accepted = false;
    dialog.reject();
}

void FormFormulaEditor::Private::onRead() {
    const std::optional<CalibrationFormula> edited = editor->getFormula();
    const int16_t code = edited ? edited->formula : int16_t{1};
    const int16_t grade = edited ? edited->Grade : int16_t{1};
    if (grade == bothGrades) {
        report(key::readnotpossiblewithbothgrades);
        return;
    }
    if (const std::optional<CalibrationFormula> read = host().getFormula(code, grade))
        editor->SetFormula(*read);
}

void FormFormulaEditor::Private::onWrite() {
    std::optional<CalibrationFormula> edited = checkedFormula();
    if (!edited)
        return;
    if (edited->Grade != bothGrades) {
        host().writeFormula(*edited);
        return;
    }
    for (int16_t grade : {int16_t{1}, int16_t{2}}) {
        edited->Grade = grade;
        host().writeFormula(*edited);
    }
}

Prompts::FileDialog FormFormulaEditor::Private::fileDialog(const char* titleKey) const {
    Prompts::FileDialog file;
    file.title = translated(titleKey);
    file.selectedFilter = translated(key::formulaFile) + QStringLiteral(" (*.par)");
    file.filter = translated(key::allFiles) + QStringLiteral(" (*.*);;") + file.selectedFilter;
    file.defaultSuffix = QStringLiteral("par");
    file.proposedName = QStringLiteral("Orvo3Formula.par");
    return file;
}

// The chosen file, asked again while it is one that may not be written.
std::optional<QString> FormFormulaEditor::Private::exportTarget() const {
    const Prompts::FileDialog file = fileDialog(key::destinationFile);
    std::optional<QString> target = Prompts::instance().saveFileName(file);
    while (target && isReadOnlyFile(*target)) {
        Prompts::instance().messageBox(
            QStringLiteral("%1\nThis file is set to read-only.\nTry again with a different file "
                           "name.")
                .arg(QDir::toNativeSeparators(*target)),
            Prompts::Buttons::Ok, Prompts::Icon::Warning, file.title);
        target = Prompts::instance().saveFileName(file);
    }
    return target;
}

void FormFormulaEditor::Private::onExport() {
    const std::optional<CalibrationFormula> edited = checkedFormula();
    if (!edited)
        return;
    if (const std::optional<QString> target = exportTarget())
        edited->SaveFile(*target);
}

void FormFormulaEditor::Private::onImport() {
    const std::optional<QString> source =
        Prompts::instance().openFileName(fileDialog(key::sourceFile));
    if (!source)
        return;
    CalibrationFormula imported;
    bool valid = false;
    try {
        valid = imported.ReadFile(*source);
    } catch (const CalibrationError&) {
        valid = false;
    }
    if (!valid) {
        report(key::noValidData);
        return;
    }
    if (imported.countTerms() > maxTerms) {
        report(key::onlyFiveCoefficientsAllowed);
        return;
    }
    editor->SetFormula(imported);
}

void FormFormulaEditor::setCommunication(IDTMCommunication* comm) {
    d->comm = comm;
}

void FormFormulaEditor::SetFormula(const CalibrationFormula& formul) {
    d->formula = formul;
    d->editor->SetFormula(formul);
}

CalibrationFormula FormFormulaEditor::getFormula() const {
    return d->formula;
}

void FormFormulaEditor::setOnlineMode(bool mode) {
    d->commandRead->setEnabled(mode);
    d->commandWrite->setEnabled(mode);
}

void FormFormulaEditor::translate(IDTMCommunication& comm) {
    d->editor->translate(comm);
    const auto translated = [&](const char* key) {
        return comm.getTranslation(QString::fromLatin1(key));
    };
    d->importButton->setText(translated(key::import_));
    d->exportButton->setText(translated(key::export_));
    d->commandRead->setText(translated(key::read));
    d->commandWrite->setText(translated(key::write));
    d->commandOk->setText(translated(key::ok));
    d->commandCancel->setText(translated(key::cancel));
    setWindowTitle(translated(key::formula));
}

bool FormFormulaEditor::formulaAccepted() const {
    return d->accepted;
}

} // namespace orvo
