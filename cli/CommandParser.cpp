#include "CommandParser.h"

#include "ExitCode.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace orvo::cli {

CommandParser::CommandParser(const QString& command, const QString& description,
                             const QList<Positional>& positionals)
    : m_command(command), m_positionalCount(positionals.size()) {
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    for (const Positional& positional : positionals)
        m_parser.addPositionalArgument(positional.name, positional.description);
}

std::optional<int> CommandParser::parse(const QStringList& arguments) {
    QStringList withProgram = arguments;
    withProgram.first() = QStringLiteral("orvo-cal ") + m_command;
    if (!m_parser.parse(withProgram))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        // The parser names the program by its path; name the command instead.
        QString help = m_parser.helpText();
        help.replace(QCoreApplication::arguments().constFirst(),
                     QStringLiteral("orvo-cal ") + m_command);
        QTextStream(stdout) << help;
        return Success;
    }
    if (m_parser.positionalArguments().size() != m_positionalCount)
        return usageError(QStringLiteral("expected %1 argument(s), got %2")
                              .arg(m_positionalCount)
                              .arg(m_parser.positionalArguments().size()));
    return std::nullopt;
}

int CommandParser::usageError(const QString& message) const {
    QTextStream(stderr) << "orvo-cal " << m_command << ": " << message << "\n"
                        << "Try 'orvo-cal " << m_command << " --help'.\n";
    return WrongUsage;
}

} // namespace orvo::cli
