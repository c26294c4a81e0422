#pragma once
// The page map: the pages as boxes and the jumps between them as arrows, laid out by Graphviz's
// "dot" layout. Unreachable pages are drawn red and dashed, jumps to pages that do not exist end
// in a red octagon.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "checks/PageGraph.h"

namespace zorv {

enum class MapFormat { Svg, Png };

// The most pages (boxes, missing pages included) and arrows a map is drawn with: Graphviz's
// layout grows far faster than the graph (a map of 65,535 pages took more than ten minutes), and
// a picture of more boxes cannot be read anyway.
inline constexpr std::size_t kMaxMapPages = 150;
inline constexpr std::size_t kMaxMapJumps = 300;
// Why the graph is not drawn, naming its size and the limits; empty when it can be drawn.
std::string pageMapTooLarge(const PageGraph& graph);

// The graph in Graphviz's DOT language (UTF-8).
std::string pageMapDot(const PageGraph& graph);
// Where a page's box lies on the rendered map, as fractions of the picture's width and height
// from its top left corner.
struct MapBox {
    int page = 0;
    double left = 0, top = 0, right = 0, bottom = 0;
};
// Lays the DOT text out and renders it; false, leaving `out` empty, when Graphviz refuses. With
// `boxes`, the boxes of the pages (the missing ones too) are listed as laid out.
bool renderPageMap(const std::string& dot, MapFormat format, std::vector<uint8_t>& out,
                   std::vector<MapBox>* boxes = nullptr);
// The colour and line style of each kind of jump, for the legends beside a map.
struct JumpStyle {
    const char* colour; // "#1f4e9c"
    const char* line;   // "solid", "dashed", "bold"
};
JumpStyle jumpStyle(JumpKind kind);

} // namespace zorv
