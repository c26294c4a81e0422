#include "checks/PageGraph.h"

#include <deque>
#include <unordered_map>

#include "model/WidgetRecords.h"

namespace zorv {

namespace {

FindingWidget widgetOf(const WidgetNode& node) {
    return {node.id, node.kind, le::u16(node.record.data() + 2), le::u16(node.record.data() + 4)};
}

void addWidgetJumps(const CHCData& project, const CPage& page, const WidgetNode& node,
                    std::vector<PageJump>& jumps) {
    if (node.record.size() != recordSize(node.kind))
        return;
    const int from = page.number();
    auto add = [&](JumpKind kind, int target, std::string role) {
        jumps.push_back({kind, from, widgetOf(node), target, std::move(role)});
    };
    switch (node.kind) {
    case WidgetKind::Key: {
        const auto key = node.get<KeyRecord>();
        if (key.action() != KeyRecord::ScreenJump)
            break;
        if (key.value() != KeyRecord::kJumpToAlarmList)
            add(JumpKind::Key, key.value(), "");
        else if (project.header.alarmPage() != ProjectHeader::kNoAlarmPage)
            add(JumpKind::Alarm, project.header.alarmPage(), "alarm list");
        break;
    }
    case WidgetKind::Menu: {
        const auto menu = node.get<MenuRecord>();
        if (menu.mode() != MenuRecord::kModePageJump)
            break;
        for (int k = 0; k < MenuRecord::kCapacity; ++k) {
            const ChoiceEntry item = menu.entry(k);
            if (item.used)
                add(JumpKind::Menu, int(uint32_t(item.value)), "item " + std::to_string(k + 1));
        }
        break;
    }
    case WidgetKind::Password: {
        const auto pwd = node.get<PasswordRecord>();
        add(JumpKind::Password, pwd.successPage(), "on success");
        add(JumpKind::Password, pwd.failurePage(), "on failure");
        break;
    }
    default:
        break;
    }
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
        graph.jumps.push_back(
            {JumpKind::UpDown, number, {}, page->head.upPage(), std::string(kUpKeyRole)});
        graph.jumps.push_back({JumpKind::UpDown, number, {}, page->head.downPage(), "Down key"});
        for (const WidgetNode& node : page->widgets)
            addWidgetJumps(project, *page, node, graph.jumps);
    }
    markReachable(graph);
    return graph;
}

} // namespace zorv
