#pragma once
// The download tool's transfers: the image (and the Modbus configuration) over the serial link,
// or the image over USB, each on a worker thread that reports to an observer.

#include <filesystem>
#include <string>

#include "comm/CComm.h"
#include "comm/CUsbComm.h"
#include "comm/TransferObserver.h"
#include "comm/TransferWorker.h"
#include "image/ImageCompiler.h"

namespace zorv {

inline constexpr const char* kOpeningTooLargeMessage = "Download file more than 56k!";
inline constexpr const char* kButtonTooLargeMessage = "Download file more than 56K!";

struct DownloadChoice {
    std::filesystem::path imagePath;
    std::filesystem::path configPath; // the project's ".mdt" file
    bool interfaceData = true;        // "GUI Data"
    bool configuration = false;       // "Modbus Configuration data"
    std::string port;                 // the serial port; empty: the first that answers
};

// The project path with its extension (from the last ".") replaced by ".mdt".
std::filesystem::path configPathOf(const std::string& projectPath);

class DownloadEngine {
public:
    DownloadEngine(CComm& comm, CUsbComm& usb, TransferObserver& observer)
        : comm_(comm), usb_(usb), observer_(observer) {}

    // Shows "Output file size: %d"; false (after the message box) when the image is too large.
    bool checkOnOpening(const std::filesystem::path& imagePath);

    // False when nothing was started: the image is too large or a transfer runs.
    bool startSerial(const DownloadChoice& choice);
    bool startUsb(const DownloadChoice& choice);
    bool busy() const { return worker_.busy() != 0; }
    void wait() { worker_.wait(); }

    // The worker bodies, also run directly by tests and the command line; true on success. A
    // Modbus table too large for the panel ends the serial download before anything is sent.
    bool runSerial(const DownloadChoice& choice);
    bool runUsb(const DownloadChoice& choice);

private:
    bool refuseLarge(const std::filesystem::path& imagePath);
    bool refuseLargeConfiguration(const DownloadChoice& choice);
    bool serialInterface(const DownloadChoice& choice);
    bool serialConfiguration(const DownloadChoice& choice);
    bool usbSteps(const std::vector<uint8_t>& image);

    CComm& comm_;
    CUsbComm& usb_;
    TransferObserver& observer_;
    TransferWorker worker_;
};

} // namespace zorv
