#include "ScriptedPrompts.h"

namespace orvo::test {

ScriptedPrompts::ScriptedPrompts() : m_previous(Prompts::install(this)) {}

ScriptedPrompts::~ScriptedPrompts() {
    Prompts::install(m_previous);
}

Prompts::Answer ScriptedPrompts::messageBox(const QString& text, Buttons buttons, Icon icon,
                                            const QString& title) {
    messages.push_back({text, buttons, icon, title});
    if (answers.empty())
        return m_refusing.messageBox(text, buttons, icon, title);
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::openFileName(const FileDialog& dialog) {
    return nextFileName(dialog);
}

std::optional<QString> ScriptedPrompts::saveFileName(const FileDialog& dialog) {
    return nextFileName(dialog);
}

int ScriptedPrompts::runModal(QWidget& window) {
    ++modalRuns;
    return onModal ? onModal(window) : 0;
}

std::optional<QString> ScriptedPrompts::nextFileName(const FileDialog& dialog) {
    fileDialogs.push_back(dialog);
    if (fileNames.empty())
        return std::nullopt;
    std::optional<QString> name = fileNames.front();
    fileNames.pop_front();
    return name;
}

} // namespace orvo::test
