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

// Library characters of text objects read from the system library "Syslib1.dat" (codes below
// 0x80) and the user library "UserLib.dat" (codes from 0x80, entry code - 0x80). Where each
// library lies is asked before every read, and a file is read again when its path, time or
// size changed, so the character tool's edits appear on the next paint, even when its first
// save put the user library into another folder.
class GLibraryGlyphs : public GGlyphSource {
public:
    enum class Library { System, User };
    using LocateFn = std::function<std::filesystem::path(Library)>;
    using MessageFn = std::function<void(const std::string&)>;

    GLibraryGlyphs(LocateFn locate, MessageFn message);
    // Both libraries from one folder.
    GLibraryGlyphs(const std::filesystem::path& folder, MessageFn message);
    // Found: out is 16 x 16, ink black on white.
    Status Glyph(uint8_t code, GBitmap& out) override;

private:
    struct Cache {
        std::filesystem::path path;
        std::optional<std::vector<uint8_t>> bytes;
        std::filesystem::file_time_type stamp;
        uintmax_t size = 0;
        bool failureShown = false; // "Failed to open file!" once until the file is read
    };

    const std::vector<uint8_t>* Load(Library library);

    LocateFn locate_;
    MessageFn message_;
    std::array<Cache, 2> caches_;
};

} // namespace oonedraw
