#include "comm/DownloadEngine.h"

#include "comm/SerialFrames.h"
#include "comm/SerialTransfer.h"
#include "comm/TransferFile.h"
#include "comm/TransferSteps.h"
#include "comm/UsbPackets.h"
#include "model/ModbusTableLimit.h"

namespace zorv {

namespace {
constexpr const char* kImageMissing = "Interface data file does not exist!";
constexpr const char* kImageUnreadable = "Failed to open Interface data file!";
constexpr const char* kConfigMissing = "Modbus protocol configuration file does not exist!";
constexpr const char* kConfigUnreadable = "Failed to open Modbus protocol configuration file!";
} // namespace

std::filesystem::path configPathOf(const std::string& projectPath) {
    const auto dot = projectPath.rfind('.');
    return (dot == std::string::npos ? projectPath : projectPath.substr(0, dot)) + ".mdt";
}

bool DownloadEngine::checkOnOpening(const std::filesystem::path& imagePath) {
    observer_.progress(0);
    const long size = fileSizeOf(imagePath);
    observer_.status("Output file size: " + std::to_string(size));
    if (size > long(kImageLimit)) {
        observer_.message(kOpeningTooLargeMessage);
        return false;
    }
    return true;
}

bool DownloadEngine::refuseLarge(const std::filesystem::path& imagePath) {
    if (fileSizeOf(imagePath) <= long(kImageLimit))
        return false;
    observer_.message(kButtonTooLargeMessage);
    return true;
}

bool DownloadEngine::refuseLargeConfiguration(const DownloadChoice& choice) {
    if (!choice.configuration || !modbusTableTooLarge(fileSizeOf(choice.configPath)))
        return false;
    observer_.message(kModbusTooLargeMessage);
    return true;
}

bool DownloadEngine::startSerial(const DownloadChoice& choice) {
    if (refuseLarge(choice.imagePath))
        return false;
    return worker_.start(1, [this, choice] { runSerial(choice); });
}

bool DownloadEngine::startUsb(const DownloadChoice& choice) {
    if (refuseLarge(choice.imagePath))
        return false;
    return worker_.start(1, [this, choice] { runUsb(choice); });
}

bool DownloadEngine::runSerial(const DownloadChoice& choice) {
    comm_.setPort(choice.port);
    // A table the configuration area cannot take stops the download before the image goes.
    bool ok = !refuseLargeConfiguration(choice);
    if (ok && choice.interfaceData)
        ok = serialInterface(choice);
    if (ok && choice.configuration)
        ok = serialConfiguration(choice);
    // Every serial end closes the port, the one left open between the two areas too.
    comm_.ClosePort();
    observer_.finished(ok);
    return ok;
}

bool DownloadEngine::serialInterface(const DownloadChoice& choice) {
    std::vector<uint8_t> image;
    if (!readTransferFile(choice.imagePath, kImageMissing, kImageUnreadable, observer_, image))
        return false;
    // The file limit also guards the addresses: 0x2000 + 57344 still fits 16 bits.
    if (image.size() > kImageLimit) {
        observer_.message(kButtonTooLargeMessage);
        return false;
    }
    return runSerialTransfer(comm_, observer_, kInterfaceDownloadTexts, kInterfaceArea,
                             kInterfaceBase, SerialBlockMode::Write, image);
}

bool DownloadEngine::serialConfiguration(const DownloadChoice& choice) {
    std::vector<uint8_t> config;
    if (!readTransferFile(choice.configPath, kConfigMissing, kConfigUnreadable, observer_, config))
        return false;
    // Checked again on the bytes read, which keep the addresses within 16 bits.
    if (modbusTableTooLarge(config.size())) {
        observer_.message(kModbusTooLargeMessage);
        return false;
    }
    return runSerialTransfer(comm_, observer_, kConfigDownloadTexts, kConfigArea, kConfigBase,
                             SerialBlockMode::Write, config);
}

bool DownloadEngine::runUsb(const DownloadChoice& choice) {
    bool ok = true;
    if (choice.interfaceData) {
        std::vector<uint8_t> image;
        ok =
            readTransferFile(choice.imagePath, kImageMissing, kImageUnreadable, observer_, image) &&
            usbSteps(image);
        // The device stays open after a success, for the next Open to close.
        if (!ok)
            usb_.Close();
    }
    observer_.finished(ok);
    return ok;
}

bool DownloadEngine::usbSteps(const std::vector<uint8_t>& image) {
    TransferObserver& o = observer_;
    o.status("Interface data download: Initialization device...");
    if (!tryStep([&] { return usb_.Open(); })) {
        o.status("Interface data download: Initialization device...Failed");
        return false;
    }
    o.status("Interface data download: Initialization device...success");

    o.status("Interface data download: Read controller status...");
    if (!usb_.QueryRunning()) {
        o.status("Interface data download: Controller stop state");
    } else if (!o.yes("Controller running status, whether to stop?")) {
        o.status("Interface data download:Controller running state, can not download");
        return false;
    } else if (!usb_.Stop()) {
        o.status("Interface data download: Controller can't stop");
        return false;
    } else {
        o.status("Interface data download: Controller has stopped");
    }

    o.status("Interface data download: Connecting device...");
    if (!tryStep([&] { return usb_.Connect(); })) {
        o.status("Interface data download: Connecting device...Failed");
        return false;
    }
    o.status("Interface data download: Connecting device...success");
    o.status("Interface data download: downloading Start ...");

    const long size = long(image.size());
    const long block = long(kUsbMaxData);
    const long whole = size / block;
    constexpr const char* kCount = "Interface data download: %d/%d";
    constexpr const char* kFailed = "Interface data download: Write data Failed, %d/%d";
    for (long i = 0; i < whole; ++i) {
        const long offset = i * block;
        o.status(countText(kCount, offset, size));
        o.progress(progressPercent(offset, size));
        if (!tryStep([&] { return usb_.WriteData(image.data() + offset, int(block), offset); })) {
            o.status(countText(kFailed, offset, size));
            return false;
        }
    }
    const long sent = whole * block;
    o.status(countText(kCount, sent, size));
    if (const long rest = size - sent; rest > 0) {
        if (!tryStep([&] { return usb_.WriteData(image.data() + sent, int(rest), sent); })) {
            o.status(countText(kFailed, sent, size));
            return false;
        }
        o.status(countText(kCount, size, size));
        o.progress(100);
    }

    o.status("Interface data download: File download complete");
    bool ended = tryStep([&] { return usb_.EndData(); });
    if (ended) {
        o.status("Interface data download: File download complete");
        ended = tryStep([&] { return usb_.CompleteDownload(); });
    }
    if (!ended) {
        o.status("Interface data download: File download complete...Device is not responding "
                 "End command");
        return false;
    }

    o.status("Interface data download: Read controller status...");
    if (usb_.QueryRunning()) {
        o.status("Interface data download: File download complete,Controller status: run");
    } else if (!o.yes("Controller stop state,Whether to run?")) {
        o.status("Interface data download:Download complete,controller status: stop");
    } else if (usb_.Run()) {
        o.status("Interface data download: Download complete, controller status: run");
    } else {
        o.status("Interface data download: Download complete, the controller can not run");
        return false;
    }
    return true;
}

} // namespace zorv
