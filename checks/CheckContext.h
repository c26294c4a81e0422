#pragma once
// What the checks share: the input, the page graph and the register cross-reference, each made
// once per run. Every check is a small function from the context to its findings.
// The overlap check draws the pages of the input's image through the panel's renderer.

#include <string>

#include "checks/Checks.h"
#include "checks/PageGraph.h"
#include "checks/RegisterUses.h"

namespace zorv {

struct CheckContext {
    const CheckInput& input;
    PageGraph graph;
    std::vector<RegisterUseEntry> uses;
};

// A finding on a widget of a page.
Finding widgetFinding(Severity severity, std::string code, const CPage& page,
                      const WidgetNode& node, std::string message);

void checkMissingPages(const CheckContext& context, Findings& out);
void checkUnreachablePages(const CheckContext& context, Findings& out);
void checkOutsideDisplay(const CheckContext& context, Findings& out);
void checkUnshowableCharacters(const CheckContext& context, Findings& out);
void checkSystemRegisters(const CheckContext& context, Findings& out);
void checkWriteMeanings(const CheckContext& context, Findings& out);
void checkModbusOverwrites(const CheckContext& context, Findings& out);
void checkAlarmLanguages(const CheckContext& context, Findings& out);
void checkImageLimits(const CheckContext& context, Findings& out);
void checkOverlaps(const CheckContext& context, Findings& out);
void checkUnusedTags(const CheckContext& context, Findings& out);
void checkSharedTagRegisters(const CheckContext& context, Findings& out);

} // namespace zorv
