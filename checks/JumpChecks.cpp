// Jumps to pages that do not exist (the compiler silently turns them into a jump to the page
// the widget is on) and pages that the operator can never reach.

#include <unordered_set>

#include "checks/CheckContext.h"

namespace zorv {

namespace {

std::string page(int number) {
    return "page " + std::to_string(number);
}

std::string missingJumpMessage(const PageJump& j) {
    const std::string target = page(j.target) + ", which does not exist";
    switch (j.kind) {
    case JumpKind::Key:
        return "jumps to " + target;
    case JumpKind::Menu:
        return j.role + " jumps to " + target;
    case JumpKind::Password:
        return "shows " + page(j.target) + " " + j.role + ", but it does not exist";
    case JumpKind::UpDown:
        return "the " + j.role + " shows " + target + "; the key does nothing";
    case JumpKind::Alarm:
        return "the alarm page " + std::to_string(j.target) +
               " does not exist; alarms show no page";
    case JumpKind::System:
        return "the " + j.role + " " + std::to_string(j.target) +
               " does not exist; the panel shows its first page instead";
    }
    return target;
}

// A new page n shows n - 1 on Up and n + 1 on Down; where that page is missing the panel stays
// on the page, as the key does on the first and last page of any project.
bool isNewPageUpDown(const PageJump& j) {
    if (j.kind != JumpKind::UpDown || !j.from)
        return false;
    const PageHead fresh = PageHead::makeDefault(uint16_t(*j.from));
    return j.target == (j.role == kUpKeyRole ? fresh.upPage() : fresh.downPage());
}

} // namespace

void checkMissingPages(const CheckContext& context, Findings& out) {
    std::unordered_set<int> numbers;
    for (const PageNode& node : context.graph.pages)
        numbers.insert(node.number);
    auto report = [&](const PageJump& j) {
        if (numbers.contains(j.target) || isNewPageUpDown(j))
            return;
        const Severity severity = j.kind == JumpKind::UpDown ? Severity::Warning : Severity::Error;
        out.push_back({severity, "jump-to-missing-page", j.from, j.widget, missingJumpMessage(j)});
    };
    for (const PageJump& root : context.graph.roots)
        report(root);
    for (const PageJump& jump : context.graph.jumps) {
        // A key's jump to the alarm list fails with the alarm page, reported above.
        if (jump.kind != JumpKind::Alarm)
            report(jump);
    }
}

void checkUnreachablePages(const CheckContext& context, Findings& out) {
    for (const PageNode& node : context.graph.pages) {
        if (!node.reachable)
            out.push_back({Severity::Warning, "unreachable-page", node.number, std::nullopt,
                           "no key, menu, Up/Down key or password control leads here from the "
                           "start page"});
    }
}

} // namespace zorv
