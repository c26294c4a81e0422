#pragma once
// The statistical report as one self-contained HTML page: the figures of the image, the
// problems, the page map, the report's sections page by page and the register cross-reference.

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "checks/Checks.h"
#include "checks/Finding.h"
#include "checks/RegisterUses.h"
#include "image/CompileStats.h"
#include "model/CHCData.h"
#include "platform/Paths.h"

namespace zorv {

struct HtmlReportInput {
    std::string title;      // the project's name
    std::string reportText; // the statistical report ("\n" line ends, code-page bytes)
    const CompileStats* stats = nullptr;
    Findings findings;
    std::vector<RegisterUseEntry> uses;
    // The tags beside the project: the cross-reference names each register by its tag.
    const TagTable* tags = nullptr;
    std::string mapSvg;  // the page map as Graphviz renders it; empty for none
    std::string mapNote; // why there is no map (plain text), shown in its place
    // A page as the panel shows it in language 0 or 1, as an HTML element (an <img> with a data
    // URL); left empty, the report has no page pictures.
    std::function<std::string(int pageNumber, int language)> pagePicture;
};

std::string htmlReport(const HtmlReportInput& input);
// The report of a project from what its checks take: the statistical report with the Modbus
// section of `input.modbus`, the findings, the map, the cross-reference and, when the input
// holds the image and no `pagePicture` is given, every page in both languages as the panel's
// renderer draws it. A map that Graphviz cannot draw is left out.
std::string projectHtmlReport(const CheckInput& input, const std::string& title,
                              std::function<std::string(int, int)> pagePicture = {});
// Writes the project's HTML report as a new file "<title> %Y-%m-%d,%H-%M-%S.html" in the work
// folder's "report/" beside the text reports; its path, or nothing when it could not be written.
std::optional<std::filesystem::path> storeHtmlReport(const Paths& paths, const CheckInput& input,
                                                     const std::string& title,
                                                     const std::tm& localTime);

// Text for HTML: code-page bytes as UTF-8 (bytes that are no GB2312 text as "?"), with <, >, &
// and quotes escaped.
std::string htmlText(std::string_view codePageBytes);

} // namespace zorv
