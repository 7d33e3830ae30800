#include <orvo/host/Prompts.h>

namespace orvo {

namespace {
Prompts* installedPrompts = nullptr;
} // namespace

Prompts::~Prompts() = default;

Prompts& Prompts::instance() {
    static RefusingPrompts fallback;
    return installedPrompts ? *installedPrompts : fallback;
}

Prompts* Prompts::install(Prompts* p) {
    Prompts* previous = installedPrompts;
    installedPrompts = p;
    return previous;
}

Prompts::Answer RefusingPrompts::messageBox(const QString&, Buttons buttons, Icon, const QString&) {
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    }
    return Answer::Cancel;
}

std::optional<QString> RefusingPrompts::openFileName(const FileDialog&) {
    return std::nullopt;
}

std::optional<QString> RefusingPrompts::saveFileName(const FileDialog&) {
    return std::nullopt;
}

int RefusingPrompts::runModal(QWidget&) {
    return 0;
}

} // namespace orvo
