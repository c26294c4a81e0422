#include "model/PagePropertiesRecord.h"

#include <algorithm>

namespace zorv {

using R = PagePropertiesRecord;

std::vector<uint8_t> pagePropertiesBytes(const PageProperties& p) {
    std::vector<uint8_t> bytes(R::kSize, 0);
    const std::size_t length = std::min(p.description.size(), R::kDescriptionSize - 1);
    std::copy_n(p.description.begin(), length, bytes.begin() + R::kDescriptionOff);
    le::putU16(&bytes[R::kUpPageOff], p.upPage);
    le::putU16(&bytes[R::kDownPageOff], p.downPage);
    bytes[R::kLevelOff] = p.displayLevel;
    return bytes;
}

std::optional<PageProperties> pagePropertiesFrom(std::span<const uint8_t> bytes) {
    if (bytes.size() != R::kSize)
        return std::nullopt;
    PageProperties p;
    const auto description = bytes.subspan(R::kDescriptionOff, R::kDescriptionSize - 1);
    p.description.assign(description.begin(),
                         std::find(description.begin(), description.end(), uint8_t(0)));
    p.upPage = le::u16(&bytes[R::kUpPageOff]);
    p.downPage = le::u16(&bytes[R::kDownPageOff]);
    p.displayLevel = bytes[R::kLevelOff];
    return p;
}

} // namespace zorv
