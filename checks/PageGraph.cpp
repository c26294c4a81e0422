#include "checks/PageGraph.h"

#include <deque>
#include <unordered_map>

#include "checks/JumpFields.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

FindingWidget widgetOf(const WidgetNode& node) {
    return {node.id, node.kind, le::u16(node.record.data() + 2), le::u16(node.record.data() + 4)};
}

// A key's jump to the alarm list goes to the alarm page, when the parameters name one.
void addPageJumps(const CHCData& project, const CPage& page, std::vector<PageJump>& jumps) {
    visitPageJumps(page, [&](const WidgetNode* node, JumpField& jump) {
        std::optional<FindingWidget> widget;
        if (node)
            widget = widgetOf(*node);
        if (jump.kind != JumpKind::Alarm)
            jumps.push_back({jump.kind, page.number(), widget, jump.target, jump.role});
        else if (project.header.alarmPage() != ProjectHeader::kNoAlarmPage)
            jumps.push_back(
                {JumpKind::Alarm, page.number(), widget, project.header.alarmPage(), jump.role});
    });
}

std::vector<PageJump> systemPages(const ProjectHeader& h) {
    std::vector<PageJump> roots;
    roots.push_back({JumpKind::System, {}, {}, h.startPage(), "start page"});
    roots.push_back({JumpKind::System, {}, {}, h.defaultPage(), "default page"});
    if (h.flag(sysflag::kScreenProtection))
        roots.push_back({JumpKind::System, {}, {}, h.screenSaverPage(), "screen-saver page"});
    if (h.alarmPage() != ProjectHeader::kNoAlarmPage)
        roots.push_back({JumpKind::Alarm, {}, {}, h.alarmPage(), "alarm page"});
    return roots;
}

// Pages reached from the pages the panel shows by itself: the start page, and the default,
// screen-saver and alarm pages, which appear without the operator's doing.
void markReachable(PageGraph& graph) {
    std::unordered_map<int, std::size_t> indexOf;
    for (std::size_t i = 0; i < graph.pages.size(); ++i)
        indexOf.emplace(graph.pages[i].number, i);
    std::unordered_map<int, std::vector<int>> next;
    for (const PageJump& j : graph.jumps)
        next[*j.from].push_back(j.target);
    std::deque<int> queue;
    for (const PageJump& root : graph.roots)
        queue.push_back(root.target);
    while (!queue.empty()) {
        const int number = queue.front();
        queue.pop_front();
        const auto it = indexOf.find(number);
        if (it == indexOf.end() || graph.pages[it->second].reachable)
            continue;
        graph.pages[it->second].reachable = true;
        for (int target : next[number])
            queue.push_back(target);
    }
    if (graph.controllerSelectsPages) {
        for (PageNode& node : graph.pages)
            node.reachable = true;
    }
}

} // namespace

const char* jumpKindName(JumpKind kind) {
    switch (kind) {
    case JumpKind::Key:
        return "key";
    case JumpKind::Menu:
        return "menu";
    case JumpKind::UpDown:
        return "up/down";
    case JumpKind::Password:
        return "password";
    case JumpKind::Alarm:
        return "alarm";
    case JumpKind::System:
        return "system";
    }
    return "";
}

PageGraph pageGraph(const CHCData& project) {
    PageGraph graph;
    const ProjectHeader& h = project.header;
    graph.controllerSelectsPages = h.flag(sysflag::kAutoTransPage);
    graph.roots = systemPages(h);
    for (const auto& page : project.pages()) {
        const int number = page->number();
        graph.pages.push_back({number, page->description(), false, number == h.startPage()});
        addPageJumps(project, *page, graph.jumps);
    }
    markReachable(graph);
    return graph;
}

} // namespace zorv
