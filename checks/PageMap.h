#pragma once
// The page map: the pages as boxes and the jumps between them as arrows, laid out by Graphviz's
// "dot" layout. Unreachable pages are drawn red and dashed, jumps to pages that do not exist end
// in a red octagon.

#include <cstdint>
#include <string>
#include <vector>

#include "checks/PageGraph.h"

namespace zorv {

enum class MapFormat { Svg, Png };

// The graph in Graphviz's DOT language (UTF-8).
std::string pageMapDot(const PageGraph& graph);
// Lays the DOT text out and renders it; false, leaving `out` empty, when Graphviz refuses.
bool renderPageMap(const std::string& dot, MapFormat format, std::vector<uint8_t>& out);
// The colour and line style of each kind of jump, for the legends beside a map.
struct JumpStyle {
    const char* colour; // "#1f4e9c"
    const char* line;   // "solid", "dashed", "bold"
};
JumpStyle jumpStyle(JumpKind kind);

} // namespace zorv
