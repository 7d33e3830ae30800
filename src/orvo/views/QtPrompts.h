#pragma once

#include <orvo/host/Prompts.h>
#include <orvo/views_export.h>

namespace orvo {

// The real prompts: QMessageBox, QFileDialog and modal event loops. Nothing
// is installed behind the application's back: the application or host
// installs one for its lifetime with Prompts::install(&prompts).
class ORVO_VIEWS_EXPORT QtPrompts : public Prompts {
public:
    Answer messageBox(const QString& text, Buttons buttons, Icon icon,
                      const QString& title) override;
    std::optional<QString> openFileName(const FileDialog& dialog) override;
    std::optional<QString> saveFileName(const FileDialog& dialog) override;
    int runModal(QWidget& window) override;
};

} // namespace orvo
