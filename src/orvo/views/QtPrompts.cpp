#include <orvo/views/QtPrompts.h>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace orvo {

namespace {

QMessageBox::Icon toQtIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(Prompts::Buttons buttons) {
    switch (buttons) {
    case Prompts::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompts::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Prompts::Answer fromQtButton(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Prompts::Answer::Ok;
    case QMessageBox::Yes:
        return Prompts::Answer::Yes;
    case QMessageBox::No:
        return Prompts::Answer::No;
    default:
        return Prompts::Answer::Cancel;
    }
}

QFileDialog::Options dialogOptions(const Prompts::FileDialog& dialog) {
    QFileDialog::Options options;
    if (!dialog.confirmOverwrite)
        options |= QFileDialog::DontConfirmOverwrite;
    return options;
}

QString withSuffix(QString path, const QString& suffix) {
    if (!suffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    return path;
}

std::optional<QString> chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace

Prompts::Answer QtPrompts::messageBox(const QString& text, Buttons buttons, Icon icon,
                                      const QString& title) {
    QMessageBox box(toQtIcon(icon), title, text, toQtButtons(buttons),
                    QApplication::activeWindow());
    QApplication::beep();
    return fromQtButton(box.exec());
}

std::optional<QString> QtPrompts::openFileName(const FileDialog& dialog) {
    QFileDialog::Options options = dialogOptions(dialog);
    QString selected = dialog.selectedFilter;
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), dialog.title,
                                               dialog.proposedName, dialog.filter, &selected,
                                               options));
}

std::optional<QString> QtPrompts::saveFileName(const FileDialog& dialog) {
    QFileDialog::Options options = dialogOptions(dialog);
    QString selected = dialog.selectedFilter;
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), dialog.title,
                                     dialog.proposedName, dialog.filter, &selected, options);
    if (path.isEmpty())
        return std::nullopt;
    return withSuffix(path, dialog.defaultSuffix);
}

int QtPrompts::runModal(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        return dialog->exec();
    window.setWindowModality(Qt::ApplicationModal);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QEventLoop loop;
    while (window.isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}

} // namespace orvo
