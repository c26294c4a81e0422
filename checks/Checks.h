#pragma once
// The project checks: everything in a project that the editor accepts but the panel cannot
// carry out, or that is probably a mistake. One entry runs them all; the command-line tool, the
// Problems list and the HTML report show the same findings.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "checks/Finding.h"
#include "comm/ModbusTable.h"
#include "image/CompileStats.h"
#include "image/GlyphFiles.h"
#include "model/CHCData.h"
#include "model/tags/TagTable.h"

namespace zorv {

struct CheckInput {
    const CHCData& project;
    // The statistics of the project's compile; without them the image is not measured.
    const CompileStats* stats = nullptr;
    // The Modbus table beside the project (empty when there is none).
    std::span<const ModbusRow> modbus = {};
    // The project's download image; without it the panel's pixels are not looked at.
    std::span<const uint8_t> image = {};
    // The characters of UserLib.dat and Syslib1.dat; without them "&XY" library characters
    // are taken as shown.
    std::optional<uint32_t> userCharacters = {}, systemCharacters = {};
    // The tags beside the project; without them the tags are not checked.
    const TagTable* tags = nullptr;
};

// Every check, in a fixed order: jumps, display, registers, alarm texts, image, overlaps on the
// panel's pixels, tags; within a check
// the project's own order (pages in number order, widgets in list order).
Findings runChecks(const CheckInput& input);
// Takes the character counts of the two libraries from the font files; a missing or damaged
// library leaves its count unknown.
void setLibrarySizes(CheckInput& input, const GlyphSources& fonts);

// The rows of a Modbus table file; none when the file is missing or unsound, as the panel then
// runs no Modbus rows.
std::vector<ModbusRow> modbusRowsOrNone(const std::filesystem::path& table);
// Every check of a project with its compile (the image and its figures), its Modbus rows and
// the libraries of `fonts`: what the editor and the command-line tool both list.
Findings checkProject(const CHCData& project, std::span<const uint8_t> image,
                      const CompileStats& stats, std::span<const ModbusRow> modbus,
                      const GlyphSources& fonts, const TagTable* tags = nullptr);

} // namespace zorv
