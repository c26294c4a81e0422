#pragma once

#include "oonedraw/GGlyphSource.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace oonedraw {

// Library characters of text objects read from "Syslib1.dat" (codes below 0x80) and
// "UserLib.dat" (codes from 0x80, entry code - 0x80) in the program folder. Each file is
// read when first needed and kept until it changes on disk, so the character tool's edits
// appear on the next paint.
class GLibraryGlyphs : public GGlyphSource {
public:
    using MessageFn = std::function<void(const std::string&)>;

    GLibraryGlyphs(std::filesystem::path programFolder, MessageFn message);
    // Found: out is 16 x 16, ink black on white.
    Status Glyph(uint8_t code, GBitmap& out) override;

private:
    struct Library {
        explicit Library(const char* name) : fileName(name) {}
        const char* fileName;
        std::optional<std::vector<uint8_t>> bytes;
        std::filesystem::file_time_type stamp;
        uintmax_t size = 0;
        bool failureShown = false; // "Failed to open file!" once until the file is read
    };

    const std::vector<uint8_t>* Load(Library& library);

    std::filesystem::path folder_;
    MessageFn message_;
    std::array<Library, 2> libraries_{Library("Syslib1.dat"), Library("UserLib.dat")};
};

} // namespace oonedraw
