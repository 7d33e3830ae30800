#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

namespace orvo::cli {

// The part every command shares: its own --help, a fixed list of positional
// arguments, and usage errors reported on stderr with exit code 2.
class CommandParser {
public:
    struct Positional {
        QString name;
        QString description;
    };

    CommandParser(const QString& command, const QString& description,
                  const QList<Positional>& positionals);

    void addOption(const QCommandLineOption& option) { m_parser.addOption(option); }
    // arguments start with the command name. Returns an exit code when the
    // command is done already (help shown, or wrong usage reported).
    std::optional<int> parse(const QStringList& arguments);
    // Reports wrong usage found by the command itself; returns its exit code.
    int usageError(const QString& message) const;

    const QString& name() const { return m_command; }
    const QCommandLineParser& parser() const { return m_parser; }
    QString positional(int index) const { return m_parser.positionalArguments().value(index); }

private:
    QString m_command;
    qsizetype m_positionalCount;
    QCommandLineParser m_parser;
};

} // namespace orvo::cli
