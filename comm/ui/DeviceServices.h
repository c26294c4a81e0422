#pragma once
// What the device dialogs ask of the program around them, and the files of the open project
// they work on.

#include <filesystem>

#include "model/CZorvEditorDoc.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Prompt.h"
#include "platform/Registry.h"
#include "platform/SerialPort.h"
#include "platform/UsbDevice.h"
#include "platform/qt/FileChooser.h"

namespace zorv {

struct DeviceServices {
    Prompt& prompt;
    FileChooser& chooser;
    const Paths& paths;
    Registry& registry;      // keeps the serial port chosen
    SerialPortSystem& ports; // where the serial link looks for the panel
    UsbBus& usb;
    ProcessRunner& processes; // starts the converter
};

struct ModbusFiles {
    // The document's working copy of the table, which the Modbus dialog loads and saves.
    std::filesystem::path workingCopy;
    // The project file; empty while the project has none.
    std::filesystem::path project;

    // The table as of the last project save: the project's path with ".mdt" for its extension.
    // Empty for a project without a file, so nothing is looked for in the current folder.
    std::filesystem::path besideProject() const;
};

ModbusFiles modbusFilesOf(const CZorvEditorDoc& doc);

} // namespace zorv
