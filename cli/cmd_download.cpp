// zorv download [--serial [PORT] | --usb] [--modbus FILE.mdt] [--no-gui-data] [--yes|--no]
// IMAGE.hc: the download tool's transfers from the terminal.

#include <optional>

#include "cli/Command.h"
#include "cli/TransferConsole.h"
#include "comm/CComm.h"
#include "comm/CUsbComm.h"
#include "comm/DownloadEngine.h"
#include "platform/posix/LibusbBus.h"
#include "platform/posix/PosixSerialPort.h"

namespace zorv::cli {

namespace {

int runDownload(const QStringList& args);

const Command kDownload{
    "download",
    "download [--serial [PORT] | --usb] [--modbus FILE.mdt] [--no-gui-data] [--yes|--no] IMAGE.hc",
    "send a download image (and a Modbus table) to the panel", runDownload};
const CommandRegistration registration{kDownload};

int runDownload(const QStringList& args) {
    bool usb = false;
    std::optional<std::string> port;
    std::optional<bool> answer;
    DownloadChoice choice;
    std::optional<std::string> image;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--serial") {
            if (i + 1 < args.size() - 1 && !args[i + 1].startsWith("--"))
                port = args[++i].toStdString();
        } else if (a == "--usb") {
            usb = true;
        } else if (a == "--modbus" && i + 1 < args.size()) {
            choice.configuration = true;
            choice.configPath = args[++i].toStdString();
        } else if (a == "--no-gui-data") {
            choice.interfaceData = false;
        } else if (a == "--yes" || a == "--no") {
            answer = a == "--yes";
        } else if (!a.startsWith("--") && !image) {
            image = a.toStdString();
        } else {
            return usageError(kDownload);
        }
    }
    if (!image || (usb && (port || choice.configuration)) ||
        (!choice.interfaceData && !choice.configuration))
        return usageError(kDownload);
    choice.imagePath = *image;
    choice.port = port.value_or(std::string()); // none: searched for

    TransferConsole console(answer);
    PosixSerialPortSystem ports;
    CComm comm(ports);
    LibusbBus bus;
    CUsbComm usbLink(bus, console);
    DownloadEngine engine(comm, usbLink, console);
    if (!engine.checkOnOpening(choice.imagePath))
        return 1;
    if (!(usb ? engine.startUsb(choice) : engine.startSerial(choice)))
        return 1;
    engine.wait();
    return console.succeeded() ? 0 : 1;
}

} // namespace

} // namespace zorv::cli
