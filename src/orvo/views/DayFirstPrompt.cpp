#include <orvo/host/Prompts.h>
#include <orvo/views/DayFirstPrompt.h>

namespace orvo {

bool askDayFirstThroughPrompts(const QString& question) {
    return Prompts::instance().messageBox(question, Prompts::Buttons::YesNo,
                                          Prompts::Icon::Question,
                                          QStringLiteral("Date format")) == Prompts::Answer::Yes;
}

} // namespace orvo
