#include "FitRun.h"

#include "CommandParser.h"
#include "DataFileReader.h"
#include "DateOrderQuestion.h"

#include <orvo/host/TranslationKeys.h>

namespace orvo::cli {

namespace {

const QStringList quantities{QStringLiteral("Cons"), QStringLiteral("Ash"), QStringLiteral("Res1"),
                             QStringLiteral("Res2")};

QCommandLineOption valueOption(const char* name, const char* description, const char* value) {
    return {QString::fromLatin1(name), QString::fromLatin1(description),
            QString::fromLatin1(value)};
}

} // namespace

void FitRun::addOptions(CommandParser& command) {
    command.addOption(valueOption("quantity", "Lab quantity: Cons, Ash, Res1 or Res2.", "Q"));
    command.addOption(valueOption("variables", "Number of signals in a formula, 1 to 5.", "K"));
    command.addOption(valueOption("grades", "Grades to take: 1, 2 or 1,2.", "G"));
    command.addOption(valueOption("first", "First point of the range (default 1).", "F"));
    command.addOption(valueOption("last", "Last point of the range (default: all).", "L"));
    command.addOption(DateOrderQuestion::option());
}

std::optional<QString> FitRun::readInputs(const CommandParser& command) {
    const QCommandLineParser& parser = command.parser();
    m_inputs.measurement = static_cast<int>(quantities.indexOf(parser.value("quantity")));
    bool isNumber = false;
    const int variables = parser.value("variables").toInt(&isNumber);
    const QString grades = parser.value("grades");
    if (m_inputs.measurement < 0)
        return QStringLiteral("--quantity takes Cons, Ash, Res1 or Res2");
    if (!isNumber || variables < 1 || variables > 5)
        return QStringLiteral("--variables takes a number from 1 to 5");
    if (grades != "1" && grades != "2" && grades != "1,2")
        return QStringLiteral("--grades takes 1, 2 or 1,2");
    m_inputs.variablesPosition = variables - 1;
    m_inputs.takeGrade1 = grades != "2";
    m_inputs.takeGrade2 = grades != "1";
    m_inputs.startText = parser.isSet("first") ? parser.value("first") : QStringLiteral("1");
    m_inputs.endText =
        parser.isSet("last") ? parser.value("last") : QString::number(m_data.pointCount());
    return std::nullopt;
}

std::optional<int> FitRun::run(const CommandParser& command) {
    for (const char* required : {"quantity", "variables", "grades"})
        if (!command.parser().isSet(QLatin1String(required)))
            return command.usageError(QStringLiteral("--%1 is required").arg(required));
    const QString file = command.positional(0);
    const DataFileRead read = readDataFile(command, file, m_data);
    if (read.usageExit)
        return *read.usageExit;
    if (read.error)
        return reportFileError(command.name(), file, *read.error);
    if (const auto problem = readInputs(command))
        return command.usageError(*problem);
    m_message = messageKey(m_calculation.fullRun(m_data, m_inputs));
    if (!m_message) {
        m_calculation.markResultsValid();
        m_texts = m_calculation.fillFormulaList(QLatin1String(key::correlation));
    }
    return std::nullopt;
}

QString FitRun::messageText() const {
    const QLatin1String key(m_message);
    if (key == QLatin1String(key::illegalValues))
        return QStringLiteral("--first and --last must give a range within points 1 to %1 (%2)")
            .arg(m_data.pointCount())
            .arg(key);
    return QStringLiteral("too few points of the range and grades have a lab value for %1 to fit "
                          "%2 variable(s) (%3)")
        .arg(quantities.at(m_inputs.measurement))
        .arg(m_inputs.variablesPosition + 1)
        .arg(key);
}

} // namespace orvo::cli
