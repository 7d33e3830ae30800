#pragma once

#include <orvo/model/MeasurementData.h>
#include <orvo/regression/RegressionCalculation.h>
#include <orvo/regression/RegressionInputs.h>

#include <QStringList>

#include <optional>

namespace orvo::cli {

class CommandParser;

// What fit and report share: the options of the workbench's inputs, reading
// the data file, and the full run with the workbench's checks.
class FitRun {
public:
    static void addOptions(CommandParser& command);

    // Reads the file named by the first argument and runs. Returns an exit
    // code when the command ends here: wrong usage or an unreadable file.
    std::optional<int> run(const CommandParser& command);

    const MeasurementData& data() const { return m_data; }
    const RegressionCalculation& calculation() const { return m_calculation; }
    const RegressionInputs& inputs() const { return m_inputs; }
    // The candidate texts; empty when the run stopped.
    const QStringList& texts() const { return m_texts; }
    // The key of the message that stopped the run, or nullptr.
    const char* message() const { return m_message; }
    // That message for the terminal, in the options' terms, with its key.
    QString messageText() const;

private:
    std::optional<QString> readInputs(const CommandParser& command);

    MeasurementData m_data;
    RegressionCalculation m_calculation;
    RegressionInputs m_inputs;
    QStringList m_texts;
    const char* m_message = nullptr;
};

} // namespace orvo::cli
