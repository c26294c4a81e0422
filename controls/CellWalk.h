#pragma once
// Walking the cells of an editable list and reading its cells, free of any window system.

#include <cstdint>
#include <string_view>

namespace zorv::cellwalk {

struct Cell {
    int row = -1;
    int column = -1;
    bool valid() const { return row >= 0 && column >= 0; }
};

// Whether bit `column` of `mask` is set (columns from 32 on are never in a mask).
bool inMask(uint32_t mask, int column);

// The editable cell after (row, column): on along the row, then from the start of the next row;
// an invalid cell when none is left.
Cell nextEditableCell(int row, int column, int rowCount, int columnCount, uint32_t editable);

// The number at the start of a cell's text, read as a C decimal conversion: leading blanks, an
// optional sign, digits; 0 when there are none, saturated at the int range.
int leadingNumber(std::string_view text);

} // namespace zorv::cellwalk
