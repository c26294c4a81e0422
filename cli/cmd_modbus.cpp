// zorv modbus SUBCOMMAND ...: the Modbus protocol table. Each sub-command is one entry of
// kSubcommands; "show FILE.mdt" lists a table file as the dialog's list shows it.

#include <cstdio>
#include <string_view>

#include "cli/Command.h"
#include "comm/ModbusTableModel.h"

namespace zorv::cli {

namespace {

int runModbus(const QStringList& args);

const Command kModbus{"modbus", "modbus show FILE.mdt", "list a Modbus protocol table", runModbus};
const CommandRegistration registration{kModbus};

int runShow(const QStringList& args) {
    if (args.size() != 1)
        return usageError(kModbus);
    std::vector<ModbusRow> rows;
    if (!loadModbusTableFile(args[0].toStdString(), rows))
        return fail(kModbusImportFailedMessage);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ModbusListRow cells = modbusListRow(int(i), rows[i]);
        std::printf("%s\t%s\t%s\t%s\t%s\n", cells[0].c_str(), cells[1].c_str(), cells[2].c_str(),
                    cells[3].c_str(), cells[4].c_str());
    }
    return 0;
}

struct Subcommand {
    const char* name;
    int (*run)(const QStringList& args); // receives the arguments after the sub-command
};

// The transfers add their entries here: {"download", runDownload}, {"verify", runVerify}.
constexpr Subcommand kSubcommands[] = {
    {"show", runShow},
};

int runModbus(const QStringList& args) {
    if (args.isEmpty())
        return usageError(kModbus);
    for (const auto& sub : kSubcommands) {
        if (args[0] == sub.name)
            return sub.run(args.mid(1));
    }
    return usageError(kModbus);
}

} // namespace

} // namespace zorv::cli
