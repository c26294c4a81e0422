#include "comm/ModbusTransfer.h"

#include "comm/SerialFrames.h"
#include "comm/SerialTransfer.h"
#include "comm/TransferFile.h"
#include "model/ModbusTableLimit.h"

namespace zorv {

bool ModbusTransfer::startDownload(const std::filesystem::path& mdtFile) {
    return worker_.start(Downloading, [this, mdtFile] { runDownload(mdtFile); });
}

bool ModbusTransfer::startVerify(const std::filesystem::path& mdtFile) {
    return worker_.start(Verifying, [this, mdtFile] { runVerify(mdtFile); });
}

bool ModbusTransfer::runDownload(const std::filesystem::path& mdtFile) {
    return run(mdtFile, false);
}

bool ModbusTransfer::runVerify(const std::filesystem::path& mdtFile) {
    return run(mdtFile, true);
}

bool ModbusTransfer::run(const std::filesystem::path& mdtFile, bool verify) {
    std::vector<uint8_t> bytes;
    bool ok = readTransferFile(mdtFile, "File does not exist!", "Failed to open output file!",
                               observer_, bytes);
    // The configuration area takes no more (which also keeps the addresses within 16 bits).
    if (ok && modbusTableTooLarge(bytes.size())) {
        observer_.message(kModbusTooLargeMessage);
        ok = false;
    }
    if (ok)
        ok = runSerialTransfer(
            comm_, observer_, verify ? kProgramVerifyTexts : kProgramDownloadTexts, kConfigArea,
            kConfigBase, verify ? SerialBlockMode::Verify : SerialBlockMode::Write, bytes);
    comm_.ClosePort();
    observer_.finished(ok);
    return ok;
}

} // namespace zorv
