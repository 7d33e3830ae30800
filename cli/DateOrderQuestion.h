#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

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
// raising DateOrderUndecided.
class DateOrderQuestion {
public:
    static QCommandLineOption option();
    // Takes --day-first from the parsed command line; false when its value
    // is neither yes nor no.
    bool takeOption(const QCommandLineParser& parser);

    bool askDayFirst(const QString& question) const;

private:
    static bool askOnTerminal(const QString& question);

    std::optional<bool> m_dayFirst;
};

} // namespace orvo::cli
