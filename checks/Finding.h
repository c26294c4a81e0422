#pragma once
// One problem that the project checks find: how bad it is, a stable code that scripts and
// filters can rely on, where it is and what is wrong, in the editor's words.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/WidgetKind.h"

namespace zorv {

// Error: the panel will misbehave. Warning: probably a mistake. Information: worth a look,
// such as a name that nothing uses.
enum class Severity { Error, Warning, Information };

const char* severityName(Severity severity); // "error", "warning", "information"

// The widget a finding is about, as the page's list holds it.
struct FindingWidget {
    int32_t id = 0;
    WidgetKind kind = WidgetKind::None;
    uint16_t x = 0, y = 0;
    bool operator==(const FindingWidget&) const = default;
};

struct Finding {
    Severity severity = Severity::Error;
    std::string code;                    // "jump-to-missing-page" ...
    std::optional<int> page;             // the number the user gave the page
    std::optional<FindingWidget> widget; // only with a page
    std::string message;                 // "jumps to page 9, which does not exist"
};

using Findings = std::vector<Finding>;

// "error page 3 Key 12 (40,48): jumps to page 9, which does not exist"; "warning page 4: ..."
// for a page; "error project: ..." for the project as a whole.
std::string findingLine(const Finding& finding);
// "page 3 Key 12 (40,48)", "page 4" or "project".
std::string findingPlace(const Finding& finding);
// The findings of one severity.
int severityCount(const Findings& findings, Severity severity);
int errorCount(const Findings& findings);

} // namespace zorv
