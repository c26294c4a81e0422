#include "CellWalk.h"

#include <limits>

namespace zorv::cellwalk {

bool inMask(uint32_t mask, int column) {
    return column >= 0 && column < 32 && (mask >> column & 1u) != 0;
}

Cell nextEditableCell(int row, int column, int rowCount, int columnCount, uint32_t editable) {
    for (int r = row < 0 ? 0 : row; r < rowCount; ++r) {
        for (int c = r == row ? column + 1 : 0; c < columnCount; ++c) {
            if (inMask(editable, c))
                return {r, c};
        }
    }
    return {};
}

int leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit + 1)
            magnitude = kLimit + 1;
    }
    if (negative)
        return static_cast<int>(-magnitude);
    return static_cast<int>(magnitude > kLimit ? kLimit : magnitude);
}

} // namespace zorv::cellwalk
