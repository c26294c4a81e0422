#include "comm/SerialTransfer.h"

#include <algorithm>

#include "comm/SerialFrames.h"
#include "comm/TransferSteps.h"

namespace zorv {

const SerialTransferTexts kInterfaceDownloadTexts{
    "Interface data download:Connecting device...",
    "Interface data download: Connecting device...Failed",
    "Interface data download:Connecting device...Success",
    "Interface data download:Matching device type...",
    "Interface data download: Matching...Failed",
    "Interface data download: Matching...Success",
    "Interface data download: Query device status...",
    "Interface data download: query device status... The device is running, please stop",
    "Interface data download: Query device status... Device is not running state, you can "
    "download",
    "Interface data download:download starting...",
    "Interface data download:download starting...Device is not respond",
    "Interface data download: %d/%d",
    "Interface data download: Write data failed, %d/%d",
    "Interface data download:  Write data failed, %d/%d",
    "Interface data download: %d/%d",
    "Interface data download: File download complete",
    "Interface data download:download complete... The device is not responding to an end "
    "command",
    true,
};

const SerialTransferTexts kConfigDownloadTexts{
    "Modbus configuration Download:Connecting device...",
    "Modbus configuration Download:Connecting device...Failed",
    "Modbus configuration Download:Connecting device...Success",
    "Modbus configuration Download:Matching device type...",
    "Modbus configuration Download:Matching device type...Failed",
    "Modbus configuration Download:Matching device type...success",
    "Modbus configuration Download:Querying device status...",
    "Modbus configuration Download:Query device status...device is running, please stop",
    "Modbus configuration Download:Query device status...device not running state, you can "
    "download",
    "Modbus configuration Download:downloading Start ...",
    "Modbus configuration Download:downloading Start ...Device is not responding",
    "Modbus Configuration Download: %d/%d",
    "Modbus Configuration Download: Write data failed, %d/%d",
    "ModbusConfiguration Download: Write data failed, %d/%d",
    "ModbusConfiguration Download: %d/%d",
    "Modbus Configuration Download:download complete",
    "ModbusConfiguration Download:download complete...Device is not responding to an end "
    "command",
    false,
};

const SerialTransferTexts kProgramDownloadTexts{
    "Program download: connection device...",
    "Program download: connection device...failed",
    "Program download: connection device...success",
    "Program download: Matching device type...",
    "Program download: Matching device type...failed",
    "Program download: Matching device type...success",
    "Program download: Querying device status...",
    "Program download: Querying device status...Device is running, please stop",
    "Program download: Querying device status...Device is not running,you Can download",
    "Program download: Start downloading program...",
    "Program download: Start downloading program...Device is not responding",
    "Program download: %d/%d",
    "Program download: Write data failed, %d/%d",
    "Program download: Write data failed, %d/%d",
    "Program download: %d/%d",
    "Program download: File download complete",
    "Program download: File download complete...Device is not responding End command",
    false,
};

const SerialTransferTexts kProgramVerifyTexts{
    "Program verification: Connection Device...",
    "Program verification: Connection Device...failed",
    "Program verification: Connection Device...success",
    "Program verification: Matching device type...",
    "Program verification: Matching device type...failed",
    "Program verification: Matching device type...success",
    "Program verification: Querying device status...",
    "Program verification: Querying device status...Device is running, please stop",
    "Program verification: Querying device status...Device is not running,you Can download",
    "Program verification: Start reading program data...",
    "Program verification: Start reading program data...Device is not responding",
    "Program verification: %d/%d",
    "Program verification: Data verification failed, %d/%d",
    "Program verification: Data verification failed, %d/%d",
    "Program verification: %d/%d",
    "Program verification: Data verification Complete",
    "Program verification: Data verification Complete...Device is not responding End command",
    false,
};

int progressPercent(long done, long size) {
    return size > 0 ? int(100 * done / size) : 100;
}

namespace {

// One block: written, or read back (up to 20 reads until one succeeds) and compared.
bool blockStep(CComm& comm, char area, SerialBlockMode mode, const uint8_t* data, int count,
               uint16_t address) {
    if (mode == SerialBlockMode::Write)
        return tryStep([&] { return comm.WriteBlock(comm.handle(), area, data, count, address); });
    uint8_t back[kMaxBlock];
    if (!tryStep([&] { return comm.ReadBlock(comm.handle(), back, count, address); }))
        return false;
    return std::equal(data, data + count, back);
}

} // namespace

bool runSerialTransfer(CComm& comm, TransferObserver& observer, const SerialTransferTexts& t,
                       char area, uint16_t base, SerialBlockMode mode,
                       const std::vector<uint8_t>& bytes) {
    auto step = [&](const char* before, const char* failed, const char* done, auto op) {
        if (before)
            observer.status(before);
        if (!tryStep(op)) {
            if (failed)
                observer.status(failed);
            return false;
        }
        if (done)
            observer.status(done);
        return true;
    };
    // A search that found no panel names the ports it tried, below the step's own text.
    if (!step(t.connecting, nullptr, t.connected, [&] { return comm.FindPort(); })) {
        observer.status(std::string(t.connectFailed) + "\n" + portsTriedText(comm.portsTried()));
        return false;
    }
    if (!step(t.matching, t.matchFailed, t.matched,
              [&] { return comm.MatchType(comm.handle()); }) ||
        !step(t.querying, t.queryFailed, t.queried,
              [&] { return comm.QueryStatus(comm.handle()); }) ||
        !step(t.starting, t.startFailed, nullptr,
              [&] { return comm.StartTransfer(comm.handle(), area); }))
        return false;

    const long size = long(bytes.size());
    const long whole = size / long(kMaxBlock);
    auto progress = [&](long done) {
        if (t.showProgress)
            observer.progress(progressPercent(done, size));
    };
    for (long i = 0; i < whole; ++i) {
        const long offset = i * long(kMaxBlock);
        observer.status(countText(t.block, offset, size));
        progress(offset);
        if (!blockStep(comm, area, mode, bytes.data() + offset, int(kMaxBlock),
                       uint16_t(base + offset))) {
            observer.status(countText(t.blockFailed, offset, size));
            return false;
        }
    }
    const long sent = whole * long(kMaxBlock);
    observer.status(countText(t.block, sent, size));
    progress(sent);
    if (const long rest = size - sent; rest > 0) {
        if (!blockStep(comm, area, mode, bytes.data() + sent, int(rest), uint16_t(base + sent))) {
            observer.status(countText(t.lastFailed, sent, size));
            return false;
        }
        observer.status(countText(t.lastDone, size, size));
        progress(size);
    }
    // The end is told once the end command itself has been answered.
    return step(nullptr, t.endFailed, t.ending,
                [&] { return comm.EndTransfer(comm.handle(), area); });
}

} // namespace zorv
