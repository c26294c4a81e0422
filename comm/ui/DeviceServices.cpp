#include "comm/ui/DeviceServices.h"

#include "comm/DownloadEngine.h"

namespace zorv {

std::filesystem::path ModbusFiles::besideProject() const {
    return project.empty() ? std::filesystem::path() : configPathOf(project.string());
}

ModbusFiles modbusFilesOf(const CZorvEditorDoc& doc) {
    return {doc.modbusWorkingCopy(), doc.path()};
}

} // namespace zorv
