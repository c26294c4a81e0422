#pragma once
// The distinct 16-bit character codes that the texts of one compile use, in order of first use.
// The position of a code is its glyph number k; strings refer to it as the two bytes
// 0xC0 + k / 256, k % 256 (code 0xC000 + k).

#include <cstdint>
#include <optional>
#include <vector>

namespace zorv {

class GlyphCodeList {
public:
    static constexpr int kCapacity = 512;
    static constexpr uint16_t kReferenceBase = 0xC000;

    // Position of `code` among the entries from `from` on; appended when absent there. Nothing
    // when it is absent and the list is full.
    std::optional<int> place(uint16_t code, int from = 0);

    // Ends the codes of the texts: the system symbols of lights and keys follow.
    void markTextGlyphs() { textGlyphCount_ = size(); }
    int textGlyphCount() const { return textGlyphCount_; }

    int size() const { return int(codes_.size()); }
    uint16_t code(int k) const { return codes_[std::size_t(k)]; }
    const std::vector<uint16_t>& codes() const { return codes_; }

private:
    std::vector<uint16_t> codes_;
    int textGlyphCount_ = 0;
};

} // namespace zorv
