#include "oonedraw/LibraryCopy.h"

namespace oonedraw {

std::optional<std::span<const uint8_t, kLibraryCopySize>>
LibraryDrawingCopy(std::span<const uint8_t> file, uint32_t number) {
    if (file.size() < kLibraryCountOffset + 4)
        return std::nullopt;
    const uint8_t* c = file.data() + kLibraryCountOffset;
    const uint32_t count =
        uint32_t(c[0]) | uint32_t(c[1]) << 8 | uint32_t(c[2]) << 16 | uint32_t(c[3]) << 24;
    if (number >= count)
        return std::nullopt;
    // The count may promise more records than the file holds.
    const uint64_t offset = kLibraryHeadSize + uint64_t(kLibraryRecordSize) * number;
    if (offset > file.size() || file.size() - offset < kLibraryCopySize)
        return std::nullopt;
    return file.subspan(size_t(offset)).first<kLibraryCopySize>();
}

GlyphRows DecodeDrawingCopy(std::span<const uint8_t, kLibraryCopySize> copy) {
    GlyphRows rows{};
    for (size_t stored = 0; stored < rows.size(); ++stored) {
        const uint16_t bits = uint16_t(copy[2 * stored] << 8 | copy[2 * stored + 1]);
        rows[rows.size() - 1 - stored] = uint16_t(~bits);
    }
    return rows;
}

std::array<uint8_t, kLibraryCopySize> EncodeDrawingCopy(const GlyphRows& rows) {
    std::array<uint8_t, kLibraryCopySize> copy{};
    for (size_t stored = 0; stored < rows.size(); ++stored) {
        const uint16_t bits = uint16_t(~rows[rows.size() - 1 - stored]);
        copy[2 * stored] = uint8_t(bits >> 8);
        copy[2 * stored + 1] = uint8_t(bits);
    }
    return copy;
}

} // namespace oonedraw
