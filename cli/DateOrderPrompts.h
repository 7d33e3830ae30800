#pragma once

#include <orvo/host/Prompts.h>

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>
#include <stdexcept>

namespace orvo::cli {

// Raised when a file's dates can be read day first or month first, the
// command line does not say which and nobody can be asked.
class DateOrderUndecided : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Answers the data file reader's day-or-month question for a command: from
// --day-first when given, else on the terminal when stdin is one, else by
// raising DateOrderUndecided. Installed for its lifetime.
class DateOrderPrompts : public RefusingPrompts {
public:
    DateOrderPrompts();
    ~DateOrderPrompts() override;
    DateOrderPrompts(const DateOrderPrompts&) = delete;
    DateOrderPrompts& operator=(const DateOrderPrompts&) = delete;

    static QCommandLineOption option();
    // Takes --day-first from the parsed command line; false when its value
    // is neither yes nor no.
    bool takeOption(const QCommandLineParser& parser);

    Answer messageBox(const QString& text, Buttons buttons, Icon icon,
                      const QString& title) override;

private:
    static Answer askOnTerminal(const QString& question);

    std::optional<bool> m_dayFirst;
    Prompts* m_previous;
};

} // namespace orvo::cli
