#include "image/UserLibrary.h"

#include <algorithm>

#include "image/BandBitmap.h"
#include "image/GlyphFiles.h"
#include "model/Bytes.h"
#include "model/FileOps.h"
#include "platform/FileRead.h"

namespace zorv {

namespace {

using oonedraw::kLibraryCopySize;
using oonedraw::kLibraryCountOffset;
using oonedraw::kLibraryHeadSize;
using oonedraw::kLibraryRecordSize;

constexpr std::size_t kMaxLibraryBytes = kLibraryHeadSize + kLibraryRecordSize * kMaxUserCharacters;
constexpr std::size_t kLabelOffset = 2 * kLibraryCopySize;

// The head our own tools write: a signature, the record size, the count, the glyph size.
std::array<uint8_t, kLibraryHeadSize> freshHead() {
    std::array<uint8_t, kLibraryHeadSize> head{};
    const char signature[] = "ZORVLIB1";
    std::copy(signature, signature + 8, head.begin());
    le::putU16(head.data() + 8, uint16_t(kLibraryRecordSize));
    le::putU16(head.data() + 14, 16);
    le::putU16(head.data() + 16, 16);
    return head;
}

FullGlyph bandCopy(const oonedraw::GlyphRows& rows) {
    FullGlyph glyph{};
    packBand(
        16, [&](int r, int x) { return (rows[std::size_t(r)] >> (15 - x)) & 1; }, glyph.data());
    return glyph;
}

bool anySet(std::span<const uint8_t> bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b != 0; });
}

std::array<uint8_t, kLibraryLabelSize> escapeLabel(uint8_t code) {
    const std::string escape = characterEscape(code);
    std::array<uint8_t, kLibraryLabelSize> label{};
    std::copy(escape.begin(), escape.end(), label.begin());
    return label;
}

std::string number(std::size_t n) {
    return std::to_string(n);
}

} // namespace

UserLibrary::UserLibrary() : head_(freshHead()) {}

bool UserLibrary::parse(std::span<const uint8_t> file, std::string& problem) {
    const std::optional<uint32_t> count = libraryCharacterCount(file);
    if (!count || file.size() < kLibraryHeadSize) {
        problem = "The file is shorter than the " + number(kLibraryHeadSize) + "-byte head.";
        return false;
    }
    if (*count > kMaxUserCharacters) {
        problem = "The head lists " + number(*count) + " characters; at most " +
                  number(kMaxUserCharacters) + " are possible.";
        return false;
    }
    const std::size_t expected = kLibraryHeadSize + kLibraryRecordSize * *count;
    if (file.size() != expected) {
        problem = "The head lists " + number(*count) + " characters, which take " +
                  number(expected) + " bytes, but the file holds " + number(file.size()) + ".";
        return false;
    }
    std::vector<UserCharacter> characters;
    std::vector<uint8_t> differing;
    for (uint32_t n = 0; n < *count; ++n) {
        const auto copy = oonedraw::LibraryDrawingCopy(file, n);
        const auto band = readLibraryGlyph(file, uint8_t(n));
        if (!copy || !band) {
            problem = "Character " + number(n) + " is cut short.";
            return false;
        }
        UserCharacter c;
        c.code = uint8_t(kFirstUserCode + n);
        c.rows = oonedraw::DecodeDrawingCopy(*copy);
        const auto label = file.subspan(kLibraryHeadSize + kLibraryRecordSize * n + kLabelOffset,
                                        kLibraryLabelSize);
        std::copy(label.begin(), label.end(), c.label.begin());
        const bool inked = std::any_of(c.rows.begin(), c.rows.end(), [](uint16_t r) { return r; });
        if (!inked && !anySet(*band) && !anySet(label))
            continue; // a free code
        if (bandCopy(c.rows) != *band)
            differing.push_back(c.code);
        characters.push_back(c);
    }
    std::copy_n(file.begin(), kLibraryHeadSize, head_.begin());
    characters_ = std::move(characters);
    differing_ = std::move(differing);
    return true;
}

std::vector<uint8_t> UserLibrary::bytes() const {
    const std::size_t count =
        characters_.empty() ? 0 : std::size_t(characters_.back().code - kFirstUserCode) + 1;
    std::vector<uint8_t> file(head_.begin(), head_.end());
    le::putU32(file.data() + kLibraryCountOffset, uint32_t(count));
    file.reserve(kLibraryHeadSize + kLibraryRecordSize * count);
    auto next = characters_.begin();
    for (std::size_t n = 0; n < count; ++n) {
        const uint8_t code = uint8_t(kFirstUserCode + n);
        UserCharacter blank; // a free code: no ink, no label
        const UserCharacter& c = next != characters_.end() && next->code == code ? *next++ : blank;
        const auto copy = oonedraw::EncodeDrawingCopy(c.rows);
        const FullGlyph band = bandCopy(c.rows);
        file.insert(file.end(), copy.begin(), copy.end());
        file.insert(file.end(), band.begin(), band.end());
        file.insert(file.end(), c.label.begin(), c.label.end());
    }
    return file;
}

const UserCharacter* UserLibrary::find(uint8_t code) const {
    const auto at = std::find_if(characters_.begin(), characters_.end(),
                                 [code](const UserCharacter& c) { return c.code == code; });
    return at == characters_.end() ? nullptr : &*at;
}

std::optional<uint8_t> UserLibrary::nextFreeCode() const {
    unsigned code = kFirstUserCode;
    for (const UserCharacter& c : characters_) {
        if (c.code != code)
            break;
        ++code;
    }
    if (code > 0xFF)
        return std::nullopt;
    return uint8_t(code);
}

bool UserLibrary::put(uint8_t code, const oonedraw::GlyphRows& rows) {
    if (code < kFirstUserCode)
        return false;
    const auto at =
        std::lower_bound(characters_.begin(), characters_.end(), code,
                         [](const UserCharacter& c, uint8_t wanted) { return c.code < wanted; });
    if (at != characters_.end() && at->code == code) {
        at->rows = rows;
        return true;
    }
    characters_.insert(at, UserCharacter{code, rows, escapeLabel(code)});
    return true;
}

bool UserLibrary::remove(uint8_t code) {
    const auto at = std::find_if(characters_.begin(), characters_.end(),
                                 [code](const UserCharacter& c) { return c.code == code; });
    if (at == characters_.end())
        return false;
    characters_.erase(at);
    return true;
}

std::string characterEscape(uint8_t code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {'&', kDigits[code >> 4], kDigits[code & 15]};
}

bool readUserLibrary(const std::filesystem::path& path, UserLibrary& library,
                     std::string& problem) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxLibraryBytes) {
        problem = "The file holds " + number(size) + " bytes, more than a library of " +
                  number(kMaxUserCharacters) + " characters.";
        return false;
    }
    const FileContents file = readWholeFile(path, kMaxLibraryBytes);
    if (!file) {
        problem = file.failure;
        return false;
    }
    return library.parse(file.bytes, problem);
}

bool saveUserLibrary(const std::filesystem::path& path, const UserLibrary& library) {
    return fileops::replaceFile(path, library.bytes());
}

std::filesystem::path userLibrarySavePath(const Paths& paths) {
    return paths.workFolder() / fontFileName(FontFile::UserLib);
}

} // namespace zorv
