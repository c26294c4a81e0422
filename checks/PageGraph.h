#pragma once
// The pages of a project and the ways the operator moves between them: keys, menus, the Up and
// Down keys, password controls and the alarm list; and the pages the system parameters show by
// themselves (start, default, screen-saver and alarm page).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/Finding.h"
#include "model/CHCData.h"

namespace zorv {

enum class JumpKind { Key, Menu, UpDown, Password, Alarm, System };

const char* jumpKindName(JumpKind kind); // "key", "menu", "up/down", ...

// The role of a page's Up key jump.
inline constexpr std::string_view kUpKeyRole = "Up key";

struct PageJump {
    JumpKind kind = JumpKind::Key;
    std::optional<int> from;             // the page it starts on; nothing for the parameters
    std::optional<FindingWidget> widget; // the key, menu or password control
    int target = 0;                      // a page number, which may have no page
    std::string role;                    // "item 3", "on success", "Up key", "start page" ...
};

struct PageNode {
    int number = 0;
    std::string description; // code-page bytes as the page holds them
    bool reachable = false;
    bool start = false;
};

struct PageGraph {
    std::vector<PageNode> pages; // in page order
    std::vector<PageJump> jumps; // from pages; targets may have no page
    std::vector<PageJump> roots; // the pages of the system parameters
    // The controller chooses the page through the page control register, so that any page may
    // be shown and none counts as unreachable.
    bool controllerSelectsPages = false;
};

// Every jump of every page and every page of the system parameters. A key's jump to the alarm
// list goes to the alarm page when the parameters name one.
PageGraph pageGraph(const CHCData& project);

} // namespace zorv
