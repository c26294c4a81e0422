#include "oonedraw/GLibraryGlyphs.h"

#include "oonedraw/LibraryCopy.h"
#include "platform/FileRead.h"

namespace oonedraw {

namespace {

// Codes reach the first 128 entries of a library (34 + 84 x 128 bytes); a file far beyond
// that is no library and is not read into memory.
constexpr std::uintmax_t kMaxLibrarySize = 16 << 20;
constexpr int32_t kGlyphSide = 16;
constexpr uint8_t kUserCodes = 0x80;
constexpr uint32_t kInk = 0x000000;
constexpr uint32_t kPaper = 0xFFFFFF;

const char* FileName(GLibraryGlyphs::Library library) {
    return library == GLibraryGlyphs::Library::User ? "UserLib.dat" : "Syslib1.dat";
}

} // namespace

GLibraryGlyphs::GLibraryGlyphs(LocateFn locate, MessageFn message)
    : locate_(std::move(locate)), message_(std::move(message)) {}

GLibraryGlyphs::GLibraryGlyphs(const std::filesystem::path& folder, MessageFn message)
    : GLibraryGlyphs([folder](Library library) { return folder / FileName(library); },
                     std::move(message)) {}

// The cached bytes stay in use while the library's path, size and time are unchanged; a file
// that cannot be read is tried again on the next call.
const std::vector<uint8_t>* GLibraryGlyphs::Load(Library library) {
    Cache& cache = caches_[library == Library::User ? 1 : 0];
    const std::filesystem::path path = locate_(library);
    std::error_code error;
    const auto stamp = std::filesystem::last_write_time(path, error);
    const auto size = error ? 0 : std::filesystem::file_size(path, error);
    if (!error && cache.bytes && path == cache.path && stamp == cache.stamp && size == cache.size)
        return &*cache.bytes;
    zorv::FileContents file = zorv::readWholeFile(path, kMaxLibrarySize);
    cache.bytes.reset();
    if (file)
        cache.bytes = std::move(file.bytes);
    if (!cache.bytes) {
        if (!cache.failureShown && message_)
            message_("Failed to open file!");
        cache.failureShown = true;
        return nullptr;
    }
    cache.path = path;
    cache.stamp = stamp;
    cache.size = error ? cache.bytes->size() : size;
    cache.failureShown = false;
    return &*cache.bytes;
}

GGlyphSource::Status GLibraryGlyphs::Glyph(uint8_t code, GBitmap& out) {
    const bool user = code >= kUserCodes;
    const std::vector<uint8_t>* file = Load(user ? Library::User : Library::System);
    if (!file)
        return Status::NoLibrary;
    const auto copy = LibraryDrawingCopy(*file, user ? code - kUserCodes : code);
    if (!copy)
        return Status::NoEntry;
    const GlyphRows rows = DecodeDrawingCopy(*copy);
    out = GBitmap(kGlyphSide, kGlyphSide, kPaper);
    for (int32_t y = 0; y < kGlyphSide; ++y) {
        for (int32_t x = 0; x < kGlyphSide; ++x) {
            if (rows[size_t(y)] & (0x8000u >> x))
                out.setPixel(x, y, kInk);
        }
    }
    return Status::Found;
}

} // namespace oonedraw
