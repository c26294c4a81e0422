#pragma once
// The Modbus table's program download and program verification over the serial link, to and
// from the configuration area, each on a worker thread.

#include <filesystem>

#include "comm/CComm.h"
#include "comm/TransferObserver.h"
#include "comm/TransferWorker.h"

namespace zorv {

class ModbusTransfer {
public:
    enum Busy { Idle = 0, Downloading = 1, Verifying = 2 };

    ModbusTransfer(CComm& comm, TransferObserver& observer) : comm_(comm), observer_(observer) {}

    bool startDownload(const std::filesystem::path& mdtFile);
    bool startVerify(const std::filesystem::path& mdtFile);
    int busy() const { return worker_.busy(); }
    void wait() { worker_.wait(); }

    // The worker bodies; true on success. The port is closed in every case.
    bool runDownload(const std::filesystem::path& mdtFile);
    bool runVerify(const std::filesystem::path& mdtFile);

private:
    bool run(const std::filesystem::path& mdtFile, bool verify);

    CComm& comm_;
    TransferObserver& observer_;
    TransferWorker worker_;
};

} // namespace zorv
