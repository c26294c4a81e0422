#pragma once
// Reading and writing the files of the project commands: enciphered projects, plain streams and
// JSON texts. Targets are written atomically, so a failed write leaves the old file whole.

#include <QString>
#include <span>
#include <string>
#include <vector>

#include "model/CHCData.h"
#include "panel/PanelImage.h"

namespace zorv::cli {

// The whole file; on failure `message` is "Failed to open file!", the file and the reason.
bool readFileBytes(const QString& path, std::vector<uint8_t>& bytes, std::string& message);
// Writes a temporary file in the target's folder and renames it over the target.
bool writeFileAtomically(const QString& path, std::span<const uint8_t> bytes);

// Deciphers and reads a project file; on failure `message` is the system's message ("Failed to
// open file!" or "File format error, open failed!") followed by the file and the reason.
bool loadProject(const QString& path, CHCData& project, std::string& message);
// The download image of a ".hc" file, or of a project compiled in memory, loaded for the panel.
bool loadPanelImage(const QString& path, panel::PanelImage& image, std::string& message);
// Writes the plain stream enciphered; false when the target cannot be written.
bool saveProject(const QString& path, const CHCData& project);
// The Modbus table beside a project: its path with the extension (from the last ".") replaced
// by ".mdt".
QString modbusFileBeside(const QString& project);

} // namespace zorv::cli
