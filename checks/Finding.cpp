#include "checks/Finding.h"

#include <algorithm>

namespace zorv {

const char* severityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Information:
        return "information";
    }
    return "";
}

std::string findingPlace(const Finding& finding) {
    if (!finding.page)
        return "project";
    std::string place = "page " + std::to_string(*finding.page);
    if (const auto& w = finding.widget)
        place += " " + std::string(typeName(w->kind)) + " " + std::to_string(w->id) + " (" +
                 std::to_string(w->x) + "," + std::to_string(w->y) + ")";
    return place;
}

std::string findingLine(const Finding& finding) {
    return std::string(severityName(finding.severity)) + " " + findingPlace(finding) + ": " +
           finding.message;
}

int severityCount(const Findings& findings, Severity severity) {
    return int(std::count_if(findings.begin(), findings.end(),
                             [severity](const Finding& f) { return f.severity == severity; }));
}

int errorCount(const Findings& findings) {
    return severityCount(findings, Severity::Error);
}

} // namespace zorv
