#include "oonedraw/GLibraryGlyphs.h"

#include "oonedraw/FileBytes.h"

#include <span>

namespace oonedraw {

namespace {

// Codes reach the first 128 entries of a library (34 + 84 x 128 bytes); a file far beyond
// that is no library and is not read into memory.
constexpr std::uintmax_t kMaxLibrarySize = 16 << 20;
constexpr size_t kCountOffset = 10;
constexpr size_t kFirstEntry = 34;
constexpr size_t kEntrySize = 84;
constexpr size_t kCopySize = 32;
constexpr int32_t kGlyphSide = 16;
constexpr uint8_t kUserCodes = 0x80;
constexpr uint32_t kInk = 0x000000;
constexpr uint32_t kPaper = 0xFFFFFF;

// The drawing copy of entry `number`; nothing when the count does not list it or the file
// ends before it.
std::optional<std::span<const uint8_t, 32>> DrawingCopy(std::span<const uint8_t> file,
                                                        uint32_t number) {
    if (file.size() < kCountOffset + 4)
        return std::nullopt;
    const uint8_t* c = file.data() + kCountOffset;
    const uint32_t count =
        uint32_t(c[0]) | uint32_t(c[1]) << 8 | uint32_t(c[2]) << 16 | uint32_t(c[3]) << 24;
    if (number >= count)
        return std::nullopt;
    // The count may promise more entries than the file holds.
    const uint64_t offset = kFirstEntry + uint64_t(kEntrySize) * number;
    if (offset > file.size() || file.size() - offset < kCopySize)
        return std::nullopt;
    return file.subspan(size_t(offset)).first<32>();
}

// 16 rows of two bytes, bottom row first; the first byte holds the left 8 pixels with the
// most significant bit leftmost, and a cleared bit is ink.
GBitmap DecodeDrawingCopy(std::span<const uint8_t, 32> copy) {
    GBitmap glyph(kGlyphSide, kGlyphSide, kPaper);
    for (int32_t row = 0; row < kGlyphSide; ++row) {
        const uint32_t bits = uint32_t(copy[2 * row]) << 8 | copy[2 * row + 1];
        const int32_t y = kGlyphSide - 1 - row;
        for (int32_t x = 0; x < kGlyphSide; ++x) {
            if (!(bits & (0x8000u >> x)))
                glyph.setPixel(x, y, kInk);
        }
    }
    return glyph;
}

} // namespace

GLibraryGlyphs::GLibraryGlyphs(std::filesystem::path programFolder, MessageFn message)
    : folder_(std::move(programFolder)), message_(std::move(message)) {}

// The cached bytes stay in use while the file's size and time are unchanged; a file that
// cannot be read is tried again on the next call.
const std::vector<uint8_t>* GLibraryGlyphs::Load(Library& library) {
    const std::filesystem::path path = folder_ / library.fileName;
    std::error_code error;
    const auto stamp = std::filesystem::last_write_time(path, error);
    const auto size = error ? 0 : std::filesystem::file_size(path, error);
    if (!error && library.bytes && stamp == library.stamp && size == library.size)
        return &*library.bytes;
    library.bytes = ReadFileBytes(path, kMaxLibrarySize);
    if (!library.bytes) {
        if (!library.failureShown && message_)
            message_("Failed to open file!");
        library.failureShown = true;
        return nullptr;
    }
    library.stamp = stamp;
    library.size = error ? library.bytes->size() : size;
    library.failureShown = false;
    return &*library.bytes;
}

GGlyphSource::Status GLibraryGlyphs::Glyph(uint8_t code, GBitmap& out) {
    const bool user = code >= kUserCodes;
    const std::vector<uint8_t>* file = Load(libraries_[user ? 1 : 0]);
    if (!file)
        return Status::NoLibrary;
    const auto copy = DrawingCopy(*file, user ? code - kUserCodes : code);
    if (!copy)
        return Status::NoEntry;
    out = DecodeDrawingCopy(*copy);
    return Status::Found;
}

} // namespace oonedraw
