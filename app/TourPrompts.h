#pragma once

#include <orvo/host/Prompts.h>

#include <QDir>

#include <functional>

namespace orvo::workbench {

// The prompts of the screenshot tour, where nobody answers: messages go to
// the standard error stream and get OK or Yes, file dialogs are cancelled,
// and a modal window is shown, handed to onModal and closed.
class TourPrompts : public Prompts {
public:
    std::function<int(QWidget&)> onModal;

    Answer messageBox(const QString& text, Buttons buttons, Icon icon,
                      const QString& title) override;
    std::optional<QString> openFileName(const FileDialog& dialog) override;
    std::optional<QString> saveFileName(const FileDialog& dialog) override;
    int runModal(QWidget& window) override;
};

} // namespace orvo::workbench
