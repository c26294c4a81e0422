#pragma once
// One serial transfer of a file to (or compared with) one device area: connect, match the type,
// query the status, start, the blocks, end. The texts of each transfer are a table.

#include <cstdint>
#include <vector>

#include "comm/CComm.h"
#include "comm/TransferObserver.h"

namespace zorv {

struct SerialTransferTexts {
    const char* connecting;
    const char* connectFailed;
    const char* connected;
    const char* matching;
    const char* matchFailed;
    const char* matched;
    const char* querying;
    const char* queryFailed;
    const char* queried;
    const char* starting;
    const char* startFailed;
    const char* block;       // "%d/%d": done, size
    const char* blockFailed; // "%d/%d": block start, size
    const char* lastFailed;  // "%d/%d": done, size
    const char* lastDone;    // "%d/%d": size, size
    const char* ending;
    const char* endFailed;
    bool showProgress;
};

extern const SerialTransferTexts kInterfaceDownloadTexts;
extern const SerialTransferTexts kConfigDownloadTexts;
extern const SerialTransferTexts kProgramDownloadTexts;
extern const SerialTransferTexts kProgramVerifyTexts;

enum class SerialBlockMode { Write, Verify };

constexpr uint16_t kInterfaceBase = 0x2000;
constexpr uint16_t kConfigBase = 0x4000;

// Runs the steps on `bytes`; true when the end command was acknowledged. The port is left as it
// is: the caller closes it.
bool runSerialTransfer(CComm& comm, TransferObserver& observer, const SerialTransferTexts& texts,
                       char area, uint16_t base, SerialBlockMode mode,
                       const std::vector<uint8_t>& bytes);

// Percent of `done` in `size`; an empty file counts as complete.
int progressPercent(long done, long size);

} // namespace zorv
