// zorv modbus SUBCOMMAND ...: the Modbus protocol table. Each sub-command is one entry of
// kSubcommands; "show FILE.mdt" lists a table file as the dialog's list shows it.

#include <cstdio>
#include <optional>
#include <string_view>

#include "cli/Command.h"
#include "cli/TransferConsole.h"
#include "comm/CComm.h"
#include "comm/ModbusTableModel.h"
#include "comm/ModbusTransfer.h"
#include "model/OpenFailure.h"
#include "platform/FileRead.h"
#include "platform/posix/PosixSerialPort.h"

namespace zorv::cli {

namespace {

int runModbus(const QStringList& args);

const Command kModbus{"modbus", "modbus show|download|verify FILE.mdt [--serial PORT]",
                      "list a Modbus protocol table, send it to the panel or compare with it",
                      runModbus};
const CommandRegistration registration{kModbus};

int runShow(const QStringList& args) {
    if (args.size() != 1)
        return usageError(kModbus);
    const std::filesystem::path path = args[0].toStdString();
    const FileContents file = readWholeFile(path);
    if (!file)
        return fail(openFailureMessage(kModbusImportFailedMessage, path, file.failure));
    std::vector<ModbusRow> rows;
    if (!decodeModbusTable(file.bytes, rows))
        return fail(kModbusImportFailedMessage);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ModbusListRow cells = modbusListRow(int(i), rows[i]);
        std::printf("%s\t%s\t%s\t%s\t%s\n", cells[0].c_str(), cells[1].c_str(), cells[2].c_str(),
                    cells[3].c_str(), cells[4].c_str());
    }
    return 0;
}

// download/verify FILE.mdt [--serial PORT]: the table's program download or verification.
int runTransfer(const QStringList& args, bool verify) {
    std::optional<std::string> port;
    if (args.size() == 3 && args[1] == "--serial")
        port = args[2].toStdString();
    else if (args.size() != 1)
        return usageError(kModbus);
    TransferConsole console(std::nullopt);
    PosixSerialPortSystem ports;
    CComm comm(ports);
    comm.setPort(port.value_or(std::string()));
    ModbusTransfer transfer(comm, console);
    const std::string file = args[0].toStdString();
    return (verify ? transfer.runVerify(file) : transfer.runDownload(file)) ? 0 : 1;
}

int runDownload(const QStringList& args) {
    return runTransfer(args, false);
}

int runVerify(const QStringList& args) {
    return runTransfer(args, true);
}

struct Subcommand {
    const char* name;
    int (*run)(const QStringList& args); // receives the arguments after the sub-command
};

constexpr Subcommand kSubcommands[] = {
    {"show", runShow},
    {"download", runDownload},
    {"verify", runVerify},
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
