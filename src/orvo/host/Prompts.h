#pragma once

#include <orvo/core_export.h>

#include <QString>

#include <optional>

class QWidget;

namespace orvo {

// Everything that would wait for a person: platform message boxes, file
// dialogs and modal windows. Code that asks goes through Prompts::instance();
// the widget library installs the Qt implementation, tests a scripted one.
class ORVO_CORE_EXPORT Prompts {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Cancel, Yes, No };

    struct FileDialog {
        QString title;
        // Qt filter text, e.g. "Calibration file (*.cal);;All files (*.*)".
        QString filter;
        // The entry of filter chosen when the dialog opens; the first when empty.
        QString selectedFilter;
        QString defaultSuffix;
        QString proposedName;
        // Save dialogs: ask before replacing an existing file.
        bool confirmOverwrite = true;
        // Open dialogs: the chosen file must exist and may be read-only.
        bool fileMustExist = true;
    };

    virtual ~Prompts();

    // Plain platform message box with the system beep; returns the button.
    virtual Answer messageBox(const QString& text, Buttons buttons, Icon icon,
                              const QString& title) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(const FileDialog& dialog) = 0;
    virtual std::optional<QString> saveFileName(const FileDialog& dialog) = 0;
    // Runs a dialog or window modally; returns its result code.
    virtual int runModal(QWidget& window) = 0;

    // The installed implementation; a refusing fallback when none is.
    static Prompts& instance();
    // Installs p (not owned) for the whole process; nullptr restores the
    // fallback. Returns the previous one.
    static Prompts* install(Prompts* p);
};

// Answers every question with No or Cancel and shows nothing: used when no
// person can be asked (no widget library, no terminal).
class ORVO_CORE_EXPORT RefusingPrompts : public Prompts {
public:
    Answer messageBox(const QString& text, Buttons buttons, Icon icon,
                      const QString& title) override;
    std::optional<QString> openFileName(const FileDialog& dialog) override;
    std::optional<QString> saveFileName(const FileDialog& dialog) override;
    int runModal(QWidget& window) override;
};

} // namespace orvo
