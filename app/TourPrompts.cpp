#include "TourPrompts.h"

#include <QTextStream>
#include <QWidget>

namespace orvo::workbench {

Prompts::Answer TourPrompts::messageBox(const QString& text, Buttons buttons, Icon,
                                        const QString& title) {
    QTextStream(stderr) << title << ": " << text << '\n';
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<QString> TourPrompts::openFileName(const FileDialog&) {
    return std::nullopt;
}

std::optional<QString> TourPrompts::saveFileName(const FileDialog&) {
    return std::nullopt;
}

int TourPrompts::runModal(QWidget& window) {
    window.show();
    const int result = onModal ? onModal(window) : 0;
    window.hide();
    return result;
}

} // namespace orvo::workbench
