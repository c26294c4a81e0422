#include "checks/PageMap.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <charconv>
#include <set>

#include "platform/CodePageText.h"

namespace zorv {

namespace {

// A DOT string literal's contents.
std::string quoted(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

std::string nodeName(int number) {
    return "p" + std::to_string(number);
}

std::string pageLabel(const PageNode& page) {
    std::string label = "Page " + std::to_string(page.number);
    if (!page.description.empty())
        label += "\\n" + quoted(codePageToUtf8(page.description).value_or("?"));
    return label;
}

void writeNode(const PageNode& page, std::string& dot) {
    dot += "  " + nodeName(page.number) + " [label=\"" + pageLabel(page) + "\"";
    if (page.start)
        dot += ", penwidth=2.5";
    if (!page.reachable)
        dot += ", color=\"#c62828\", fontcolor=\"#c62828\", style=\"dashed,filled\", "
               "fillcolor=\"#fdecea\"";
    dot += "];\n";
}

// Graphviz prints its complaints itself; a refused graph is reported through the result.
int ignoreGraphvizError(char*) {
    return 0;
}

// One Graphviz context for the whole program: its text layout keeps the font names of the first
// context it served, which freeing that context would leave dangling for the next map.
GVC_t* graphvizContext() {
    static GVC_t* const context = gvContext();
    return context;
}

// What the map draws: one arrow per pair of pages and kind of jump (none for an Up or Down key
// that stays on its page), and a box for every page the arrows reach that does not exist.
struct MapShape {
    std::vector<const PageJump*> jumps;
    std::set<int> missing;
};

MapShape mapShape(const PageGraph& graph) {
    MapShape shape;
    std::set<int> numbers;
    for (const PageNode& page : graph.pages)
        numbers.insert(page.number);
    std::set<std::tuple<int, int, JumpKind>> drawn;
    for (const PageJump& j : graph.jumps) {
        if ((j.kind == JumpKind::UpDown && j.target == *j.from) ||
            !drawn.insert({*j.from, j.target, j.kind}).second)
            continue;
        shape.jumps.push_back(&j);
        if (!numbers.contains(j.target))
            shape.missing.insert(j.target);
    }
    for (const PageJump& root : graph.roots) {
        if (!numbers.contains(root.target))
            shape.missing.insert(root.target);
    }
    return shape;
}

} // namespace

std::string pageMapTooLarge(const PageGraph& graph) {
    const MapShape shape = mapShape(graph);
    const std::size_t pages = graph.pages.size() + shape.missing.size();
    const std::size_t jumps = shape.jumps.size() + graph.roots.size();
    if (pages <= kMaxMapPages && jumps <= kMaxMapJumps)
        return {};
    return "The page map is too large to draw: it has " + std::to_string(pages) + " pages and " +
           std::to_string(jumps) + " jumps, and a map shows at most " +
           std::to_string(kMaxMapPages) + " pages and " + std::to_string(kMaxMapJumps) + " jumps.";
}

JumpStyle jumpStyle(JumpKind kind) {
    switch (kind) {
    case JumpKind::Key:
        return {"#202020", "solid"};
    case JumpKind::Menu:
        return {"#1f4e9c", "solid"};
    case JumpKind::UpDown:
        return {"#8a8a8a", "dashed"};
    case JumpKind::Password:
        return {"#b26a00", "solid"};
    case JumpKind::Alarm:
        return {"#c62828", "bold"};
    case JumpKind::System:
        return {"#2e7d32", "bold"};
    }
    return {"#000000", "solid"};
}

std::string pageMapDot(const PageGraph& graph) {
    std::string dot = "digraph pages {\n"
                      "  graph [rankdir=LR, fontname=\"Liberation Sans\", nodesep=0.25];\n"
                      "  node [shape=box, style=filled, fillcolor=\"#f5f5f5\", "
                      "fontname=\"Liberation Sans\", fontsize=11];\n"
                      "  edge [fontname=\"Liberation Sans\", fontsize=9, arrowsize=0.7];\n";
    for (const PageNode& page : graph.pages)
        writeNode(page, dot);
    const MapShape shape = mapShape(graph);
    for (const PageJump* j : shape.jumps) {
        const JumpStyle style = jumpStyle(j->kind);
        dot += "  " + nodeName(*j->from) + " -> " + nodeName(j->target) + " [color=\"" +
               style.colour + "\", style=" + style.line + ", tooltip=\"" + jumpKindName(j->kind) +
               "\"];\n";
    }
    // The pages the panel shows by itself hang from one point, labelled with their role.
    dot += "  panel [label=\"Panel\", shape=circle, fillcolor=\"#e8f5e9\", fontsize=9];\n";
    for (const PageJump& root : graph.roots) {
        const JumpStyle style = jumpStyle(root.kind);
        dot += "  panel -> " + nodeName(root.target) + " [color=\"" + style.colour +
               "\", style=" + style.line + ", label=\"" + root.role + "\"];\n";
    }
    for (int number : shape.missing)
        dot += "  " + nodeName(number) + " [label=\"Page " + std::to_string(number) +
               "\\n(missing)\", shape=octagon, color=\"#c62828\", fontcolor=\"#c62828\", "
               "fillcolor=white];\n";
    dot += "}\n";
    return dot;
}

namespace {

// Graphviz leaves this many points round the drawing (its default pad).
constexpr double kMapPad = 4;

// The laid-out boxes of the nodes named after a page, "p3".
std::vector<MapBox> pageBoxes(Agraph_t* graph) {
    std::vector<MapBox> boxes;
    const boxf bb = GD_bb(graph);
    const double width = bb.UR.x - bb.LL.x + 2 * kMapPad;
    const double height = bb.UR.y - bb.LL.y + 2 * kMapPad;
    if (width <= 0 || height <= 0)
        return boxes;
    for (Agnode_t* n = agfstnode(graph); n; n = agnxtnode(graph, n)) {
        const std::string_view name = agnameof(n);
        int page = 0;
        if (name.size() < 2 || name[0] != 'p' ||
            std::from_chars(name.data() + 1, name.data() + name.size(), page).ptr !=
                name.data() + name.size())
            continue;
        // Node sizes are in inches, positions in points with y upwards.
        const pointf at = ND_coord(n);
        const double halfW = ND_width(n) * 36, halfH = ND_height(n) * 36;
        boxes.push_back({page, (at.x - halfW - bb.LL.x + kMapPad) / width,
                         (bb.UR.y - at.y - halfH + kMapPad) / height,
                         (at.x + halfW - bb.LL.x + kMapPad) / width,
                         (bb.UR.y - at.y + halfH + kMapPad) / height});
    }
    return boxes;
}

} // namespace

bool renderPageMap(const std::string& dot, MapFormat format, std::vector<uint8_t>& out,
                   std::vector<MapBox>* boxes) {
    out.clear();
    if (boxes)
        boxes->clear();
    agseterrf(ignoreGraphvizError);
    GVC_t* gvc = graphvizContext();
    Agraph_t* graph = agmemread(dot.c_str());
    bool ok = false;
    if (graph && gvLayout(gvc, graph, "dot") == 0) {
        char* data = nullptr;
        unsigned int length = 0;
        if (gvRenderData(gvc, graph, format == MapFormat::Svg ? "svg" : "png", &data, &length) ==
                0 &&
            data) {
            out.assign(data, data + length);
            ok = true;
            if (boxes)
                *boxes = pageBoxes(graph);
        }
        gvFreeRenderData(data);
        gvFreeLayout(gvc, graph);
    }
    if (graph)
        agclose(graph);
    return ok;
}

} // namespace zorv
