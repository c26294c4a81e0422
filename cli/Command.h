#pragma once
// The sub-commands of the zorv tool. Each command file registers itself with a static
// CommandRegistration; main() dispatches on the first argument.

#include <QStringList>
#include <functional>
#include <string>

namespace zorv::cli {

struct Command {
    const char* name;    // "info", "export-json", "modbus" ...
    const char* usage;   // "info IN.zvd"
    const char* summary; // one line for the help text
    // Receives the arguments after the command name; returns the exit status.
    std::function<int(const QStringList& args)> run;
};

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

const std::vector<Command>& commands();

// Writes "zorv: <text>" to standard error and returns 1, for failures.
int fail(const std::string& text);
// Writes the usage line of the command to standard error and returns 2.
int usageError(const Command& command);
// Takes "NAME VALUE" out of the arguments into `value` (left as it is when the option is not
// given); false when the option is the last argument, with no value after it.
bool takeOption(QStringList& args, const char* name, QString& value);

} // namespace zorv::cli
