#include "image/GlyphCodeList.h"

#include <algorithm>

namespace zorv {

std::optional<int> GlyphCodeList::place(uint16_t code, int from) {
    const auto start = codes_.begin() + std::clamp(from, 0, size());
    const auto it = std::find(start, codes_.end(), code);
    if (it != codes_.end())
        return int(it - codes_.begin());
    if (size() >= kCapacity)
        return std::nullopt;
    codes_.push_back(code);
    return size() - 1;
}

} // namespace zorv
