#pragma once

#include <orvo/host/Prompts.h>

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace orvo::test {

// Prompts that answer from a script and record what was asked. Installed
// for its lifetime; nothing ever blocks. A prompt without a scripted answer
// gets the refusing answer (No, Cancel, no file, result 0).
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    std::deque<Answer> answers;
    std::deque<std::optional<QString>> fileNames;
    // Called with the window instead of running it; its result is returned.
    std::function<int(QWidget&)> onModal;

    std::vector<Message> messages;
    std::vector<FileDialog> fileDialogs;
    int modalRuns = 0;

    Answer messageBox(const QString& text, Buttons buttons, Icon icon,
                      const QString& title) override;
    std::optional<QString> openFileName(const FileDialog& dialog) override;
    std::optional<QString> saveFileName(const FileDialog& dialog) override;
    int runModal(QWidget& window) override;

private:
    std::optional<QString> nextFileName(const FileDialog& dialog);

    Prompts* m_previous;
    RefusingPrompts m_refusing;
};

} // namespace orvo::test
