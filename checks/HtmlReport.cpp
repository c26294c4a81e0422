#include "checks/HtmlReport.h"
#include "model/MarkupEscape.h"

#include <cstdio>
#include <fstream>
#include <memory>

#include "checks/PageMap.h"
#include "comm/ModbusTableReport.h"
#include "image/ImageCompiler.h"
#include "image/Report.h"
#include "panel/PanelImage.h"
#include "panel/PanelPictureSvg.h"
#include "panel/PanelRenderer.h"
#include "platform/CodePageText.h"

namespace zorv {

namespace {

constexpr const char* kStyle = R"(
body { font-family: "Liberation Sans", Arial, sans-serif; margin: 2em auto; max-width: 72em;
       color: #202020; line-height: 1.4; padding: 0 1em; }
h1 { margin-bottom: 0.2em; } h2 { border-bottom: 1px solid #ccc; margin-top: 2em; }
table { border-collapse: collapse; width: 100%; font-size: 0.92em; }
th, td { text-align: left; padding: 0.25em 0.6em; border-bottom: 1px solid #e4e4e4;
         vertical-align: top; }
th { background: #f2f2f2; }
.error { color: #b71c1c; font-weight: bold; } .warning { color: #8a5a00; font-weight: bold; }
.figures span { display: inline-block; margin-right: 2em; }
.map { overflow: auto; border: 1px solid #ddd; padding: 0.5em; background: #fff; }
.legend span { margin-right: 1.5em; font-size: 0.9em; }
.page { border: 1px solid #e0e0e0; border-radius: 4px; padding: 0.4em 1em; margin: 0.8em 0; }
.page ul { margin: 0.3em 0; padding-left: 1.2em; } .pictures img { margin-right: 1em; }
)";

// The report's sections: the parameters, each page, the alarm list, the closing counts.
constexpr std::string_view kSeparator = "---------------------------------------------------";

std::vector<std::vector<std::string_view>> reportSections(std::string_view text) {
    std::vector<std::vector<std::string_view>> sections(1);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line == kSeparator)
            sections.emplace_back();
        else if (!line.empty())
            sections.back().push_back(line);
    }
    return sections;
}

std::string figures(const HtmlReportInput& in) {
    const int errors = errorCount(in.findings);
    const int warnings = severityCount(in.findings, Severity::Warning);
    const int notes = severityCount(in.findings, Severity::Information);
    std::string html = "<p class=\"figures\">";
    if (in.stats && in.stats->ok)
        html += "<span>Image: " + std::to_string(in.stats->imageBytes) + " of " +
                std::to_string(kImageLimit) +
                " bytes</span><span>Characters: " + std::to_string(in.stats->glyphCount) + " of " +
                std::to_string(kGlyphLimit) + "</span>";
    else if (in.stats)
        html +=
            "<span class=\"error\">The image cannot be compiled: " + htmlText(in.stats->message) +
            "</span>";
    html += "<span>Problems: " + std::to_string(errors) + " error" + (errors == 1 ? "" : "s") +
            ", " + std::to_string(warnings) + " warning" + (warnings == 1 ? "" : "s") +
            (notes ? ", " + std::to_string(notes) + " information finding" + (notes == 1 ? "" : "s")
                   : std::string()) +
            "</span></p>\n";
    return html;
}

std::string problems(const Findings& findings) {
    if (findings.empty())
        return "<p>No problems found.</p>\n";
    std::string html = "<table>\n<tr><th>Severity</th><th>Where</th><th>Problem</th>"
                       "<th>Code</th></tr>\n";
    for (const Finding& f : findings) {
        const char* severity = severityName(f.severity);
        html += std::string("<tr><td class=\"") + severity + "\">" + severity + "</td><td>" +
                htmlText(findingPlace(f)) + "</td><td>" + htmlText(f.message) + "</td><td><code>" +
                f.code + "</code></td></tr>\n";
    }
    return html + "</table>\n";
}

std::string pageMap(const std::string& svg, const std::string& note) {
    if (svg.empty())
        return "<p>" + (note.empty() ? std::string("No page map.") : note) + "</p>\n";
    // Inline SVG goes without its XML prolog and document type.
    const std::size_t at = svg.find("<svg");
    std::string html = "<div class=\"map\">" +
                       (at == std::string::npos ? std::string() : svg.substr(at)) +
                       "</div>\n<p class=\"legend\">";
    for (JumpKind kind : {JumpKind::Key, JumpKind::Menu, JumpKind::UpDown, JumpKind::Password,
                          JumpKind::Alarm, JumpKind::System}) {
        const JumpStyle style = jumpStyle(kind);
        html += std::string("<span style=\"color:") + style.colour + "\">&#8594; " +
                jumpKindName(kind) + "</span>";
    }
    return html + "<span style=\"color:#c62828\">dashed red box: unreachable page</span></p>\n";
}

std::string lineList(const std::vector<std::string_view>& lines, std::size_t from) {
    std::string html = "<ul>\n";
    for (std::size_t i = from; i < lines.size(); ++i)
        html += "<li>" + htmlText(lines[i]) + "</li>\n";
    return html + "</ul>\n";
}

// A page section: "Page 3 (Description)", the widget count, then one line per widget.
std::string pageSection(const std::vector<std::string_view>& lines, const HtmlReportInput& in) {
    std::string html = "<div class=\"page\"><h3>" + htmlText(lines[0]) + "</h3>\n";
    int number = 0;
    if (in.pagePicture && std::sscanf(std::string(lines[0]).c_str(), "Page %d", &number) == 1) {
        html += "<p class=\"pictures\">" + in.pagePicture(number, 0);
        html += in.pagePicture(number, 1) + "</p>\n";
    }
    return html + lineList(lines, 1) + "</div>\n";
}

std::string reportPart(const HtmlReportInput& in) {
    const auto sections = reportSections(in.reportText);
    std::string html = "<h2>System parameters</h2>\n" + lineList(sections[0], 0);
    html += "<h2>Pages</h2>\n";
    // The last two sections are the alarm list and the closing counts.
    for (std::size_t i = 1; i + 2 < sections.size(); ++i) {
        if (!sections[i].empty())
            html += pageSection(sections[i], in);
    }
    for (std::size_t i = sections.size() < 3 ? sections.size() : sections.size() - 2;
         i < sections.size(); ++i)
        html += "<h2>" +
                std::string(i + 1 == sections.size() ? "Strings and Modbus table" : "Alarm list") +
                "</h2>\n" + lineList(sections[i], 0);
    return html;
}

// The tag column shows only when the project has tags.
std::string registers(const std::vector<RegisterUseEntry>& uses, const TagTable* tags) {
    if (uses.empty())
        return "<p>The project uses no registers.</p>\n";
    const bool tagged = tags && !tags->empty();
    std::string html = std::string("<table>\n<tr><th>Register</th>") +
                       (tagged ? "<th>Tag</th>" : "") +
                       "<th>Station</th><th>Use</th><th>Where</th><th>Detail</th></tr>\n";
    for (const RegisterUseEntry& u : uses)
        html += "<tr><td>" + registerSpan(u) + "</td><td>" +
                (tagged ? markupEscaped(tagNameOf(*tags, u)) + "</td><td>" : std::string()) +
                (u.station ? std::to_string(u.station) : std::string("panel")) + "</td><td>" +
                registerUseName(u.use) + "</td><td>" + htmlText(useWhere(u)) + "</td><td>" +
                htmlText(u.detail) + "</td></tr>\n";
    return html + "</table>\n";
}

} // namespace

std::string htmlText(std::string_view codePageBytes) {
    std::string utf8 = codePageToUtf8(codePageBytes).value_or("");
    if (utf8.empty() && !codePageBytes.empty()) {
        for (unsigned char c : codePageBytes)
            utf8.push_back(c < 0x80 ? char(c) : '?');
    }
    return markupEscaped(utf8);
}

std::string htmlReport(const HtmlReportInput& in) {
    const std::string title = htmlText(in.title);
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           title + " - project report</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n" +
           "<h1>" + title + "</h1>\n" + figures(in) + "<h2>Problems</h2>\n" +
           problems(in.findings) + "<h2>Page map</h2>\n" + pageMap(in.mapSvg, in.mapNote) +
           reportPart(in) + "<h2>Registers</h2>\n" + registers(in.uses, in.tags) +
           "</body>\n</html>\n";
}

namespace {

// The pages of the image as the panel shows them, as inline SVG; none without an image.
std::function<std::string(int, int)> panelPictures(std::span<const uint8_t> bytes) {
    auto image = std::make_shared<panel::PanelImage>();
    std::string error;
    if (bytes.empty() || !image->load(bytes, error))
        return {};
    return [image](int number, int language) -> std::string {
        const std::optional<int> index = image->pageOfNumber(uint16_t(number));
        if (!index || language >= image->languages())
            return {};
        return panel::pictureSvg(panel::renderPage(*image, *index, language, {}), 2,
                                 "Page " + std::to_string(number) + ", language " +
                                     std::to_string(language + 1));
    };
}

} // namespace

std::optional<std::filesystem::path> storeHtmlReport(const Paths& paths, const CheckInput& input,
                                                     const std::string& title,
                                                     const std::tm& localTime) {
    std::filesystem::path name = reportFileName(title, localTime);
    const std::filesystem::path folder = paths.workFolder() / "report";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path file = folder / name.replace_extension(".html");
    const std::string html = projectHtmlReport(input, title);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(html.data(), std::streamsize(html.size()));
    out.close();
    if (!out)
        return std::nullopt;
    return file;
}

std::string projectHtmlReport(const CheckInput& input, const std::string& title,
                              std::function<std::string(int, int)> pagePicture) {
    HtmlReportInput report;
    report.title = title;
    writeProjectReport(input.project, report.reportText);
    writeModbusReport(input.modbus, report.reportText);
    report.stats = input.stats;
    report.findings = runChecks(input);
    report.uses = registerUses(input.project, input.modbus);
    report.tags = input.tags;
    const PageGraph graph = pageGraph(input.project);
    report.mapNote = pageMapTooLarge(graph);
    std::vector<uint8_t> svg;
    if (report.mapNote.empty() && renderPageMap(pageMapDot(graph), MapFormat::Svg, svg))
        report.mapSvg.assign(svg.begin(), svg.end());
    report.pagePicture = pagePicture ? std::move(pagePicture) : panelPictures(input.image);
    return htmlReport(report);
}

} // namespace zorv
