// Guards the page map and the HTML report: an unreachable page or a missing target that does
// not stand out, descriptions that break the DOT or the HTML text, Graphviz output that is not
// SVG or PNG, a report that reaches outside its own file, and a cross-reference without the
// tags of its registers.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "CheckProjects.h"
#include "checks/HtmlReport.h"
#include "checks/PageMap.h"
#include "image/ImageCompiler.h"
#include "platform/Paths.h"
#include "tests/TestFolder.h"

using namespace zorv;
using namespace zorv::test;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

CHCData mapProject() {
    CHCData project = ringProject(2);
    project.pageByNumber(1)->setDescription("Main \"A\\B\" \xD6\xF7"); // quotes, backslash, hanzi
    project.addPage(7, PlaceMode::Insert);
    project.pageByNumber(7)->head.setUpPage(7);
    project.pageByNumber(7)->head.setDownPage(7);
    addWidget(project, 2, jumpKey(9));
    return project;
}

} // namespace

TEST(PageMap, DotMarksUnreachableAndMissingPages) {
    const std::string dot = pageMapDot(pageGraph(mapProject()));
    EXPECT_THAT(dot, HasSubstr("p1 [label=\"Page 1\\nMain \\\"A\\\\B\\\" \xE4\xB8\xBB\""));
    EXPECT_THAT(dot, HasSubstr("p7 [label=\"Page 7\", color=\"#c62828\""));
    EXPECT_THAT(dot, HasSubstr("p9 [label=\"Page 9\\n(missing)\", shape=octagon"));
    EXPECT_THAT(dot, HasSubstr("p2 -> p9"));
    EXPECT_THAT(dot, HasSubstr("panel -> p1"));
    EXPECT_THAT(dot, Not(HasSubstr("p7 -> p7"))); // Up and Down onto the page itself
}

TEST(PageMap, GraphvizRendersSvgAndPng) {
    const std::string dot = pageMapDot(pageGraph(mapProject()));
    std::vector<uint8_t> svg, png;
    ASSERT_TRUE(renderPageMap(dot, MapFormat::Svg, svg));
    const std::string text(svg.begin(), svg.end());
    EXPECT_THAT(text, HasSubstr("<svg"));
    EXPECT_THAT(text, HasSubstr("Page 7"));
    ASSERT_TRUE(renderPageMap(dot, MapFormat::Png, png));
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    std::vector<uint8_t> none;
    EXPECT_FALSE(renderPageMap("digraph { broken", MapFormat::Svg, none));
    EXPECT_TRUE(none.empty());
}

// Graphviz's layout grows far faster than the graph (a map of 65,535 pages ran for more than ten
// minutes): a map past its limits is refused with its size named, and the report says so in
// the map's place.
TEST(PageMap, MapsPastTheLimitsAreRefusedWithTheirSize) {
    PageGraph graph;
    for (int n = 1; n <= int(kMaxMapPages); ++n)
        graph.pages.push_back({n});
    EXPECT_EQ(pageMapTooLarge(graph), "");
    // A jump to a page that does not exist adds its box.
    graph.jumps.push_back({JumpKind::Key, 1, std::nullopt, 9999});
    EXPECT_EQ(pageMapTooLarge(graph), "The page map is too large to draw: it has 151 pages and 1 "
                                      "jumps, and a map shows at most 150 pages and 300 jumps.");

    // Arrows count once per pair of pages and kind; an Up or Down key onto its own page draws
    // none.
    PageGraph jumps;
    jumps.pages = {{1}, {2}};
    for (int i = 0; i < int(kMaxMapJumps); ++i)
        jumps.jumps.push_back({JumpKind::Key, i % 150 + 1, std::nullopt, i / 150 + 1});
    jumps.jumps.push_back({JumpKind::Key, 1, std::nullopt, 1});
    jumps.jumps.push_back({JumpKind::UpDown, 2, std::nullopt, 2});
    EXPECT_EQ(pageMapTooLarge(jumps), "");
    jumps.roots.push_back({JumpKind::System, std::nullopt, std::nullopt, 1, "start page"});
    EXPECT_NE(pageMapTooLarge(jumps), "");

    const std::string html = projectHtmlReport(CheckInput{ringProject(200)}, "P");
    EXPECT_THAT(html, HasSubstr("<p>The page map is too large to draw: it has 200 pages"));
    EXPECT_THAT(html, Not(HasSubstr("<div class=\"map\">")));
}

TEST(HtmlReport, SelfContainedWithEverySection) {
    const CHCData project = mapProject();
    const std::string html = projectHtmlReport(CheckInput{project}, "Demo <1>");
    EXPECT_THAT(html, HasSubstr("<title>Demo &lt;1&gt; - project report</title>"));
    for (const char* heading :
         {"Problems", "Page map", "System parameters", "Pages", "Alarm list", "Registers"})
        EXPECT_THAT(html, HasSubstr(std::string("<h2>") + heading + "</h2>"));
    EXPECT_THAT(html, HasSubstr("<h3>Page 1 (Main &quot;A\\B&quot; \xE4\xB8\xBB)</h3>"));
    EXPECT_THAT(html, HasSubstr("jumps to page 9, which does not exist"));
    EXPECT_THAT(html, HasSubstr("<svg"));
    EXPECT_THAT(html, Not(HasSubstr("<?xml")));
    EXPECT_THAT(html, Not(HasSubstr("src=\"http")));
    EXPECT_THAT(html, Not(HasSubstr("<link")));
}

TEST(HtmlReport, PagePicturesGoBesideEachPage) {
    const CHCData project = ringProject(2);
    std::vector<std::pair<int, int>> asked;
    const std::string html = projectHtmlReport(CheckInput{project}, "P", [&](int page, int lang) {
        asked.emplace_back(page, lang);
        return "<img alt=\"page " + std::to_string(page) + "." + std::to_string(lang) + "\">";
    });
    EXPECT_THAT(asked, ::testing::ElementsAre(std::pair(1, 0), std::pair(1, 1), std::pair(2, 0),
                                              std::pair(2, 1)));
    EXPECT_THAT(html, HasSubstr("<img alt=\"page 2.1\">"));
}

TEST(HtmlReport, PagesAsThePanelDrawsThemFromTheImage) {
    CHCData project = ringProject(2);
    addWidget(project, 2, placed(text("Pump on"), 8, 16));
    const GlyphSources fonts =
        readGlyphSources(FixedPaths(ZORV_PROGRAM_DIR, ZORV_PROGRAM_DIR, ZORV_PROGRAM_DIR));
    const CompileResult compiled = compileImage(project, fonts);
    ASSERT_TRUE(compiled.ok) << compiled.message;
    CheckInput input{project};
    input.image = compiled.image;
    const std::string html = projectHtmlReport(input, "P");
    EXPECT_THAT(html, HasSubstr("<title>Page 1, language 1</title>"));
    EXPECT_THAT(html, HasSubstr("<title>Page 2, language 1</title>"));
    // Ink on page 2, where the text is, and none on the empty page 1.
    auto inkOf = [&](const std::string& title) {
        const std::size_t at = html.find("d=\"", html.find(title));
        return html.substr(at + 3, html.find('"', at + 3) - at - 3);
    };
    EXPECT_EQ(inkOf("<title>Page 1, language 1</title>"), "");
    EXPECT_THAT(inkOf("<title>Page 2, language 1</title>"), HasSubstr("M"));
}

TEST(HtmlReport, StoredBesideTheTextReports) {
    const std::filesystem::path work = test::freshTestFolder("zorv_html_report_");
    const CHCData project = ringProject(1);
    std::tm time{};
    time.tm_year = 126, time.tm_mon = 11, time.tm_mday = 9, time.tm_hour = 18;
    const auto file =
        storeHtmlReport(FixedPaths(work, work, work), CheckInput{project}, "Mixer.zvd", time);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, work / "report" / "Mixer.zvd 2026-12-09,18-00-00.html");
    std::ifstream in(*file);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "<!DOCTYPE html>");
    // A folder that cannot be made: no file, and no path.
    std::ofstream(work / "blocked") << "x";
    EXPECT_FALSE(storeHtmlReport(FixedPaths(work / "blocked", work / "blocked", work / "blocked"),
                                 CheckInput{project}, "P", time));
}

TEST(HtmlReport, CrossReferenceNamesTheTagOfEachRegister) {
    CHCData project = ringProject(1);
    addWidget(project, 1, entryRegister(d(100)));
    TagTable tags;
    tags.add({"Level <A>", d(100), ""});
    CheckInput input{project};
    input.tags = &tags;
    const std::string html = projectHtmlReport(input, "P");
    EXPECT_THAT(html, HasSubstr("<th>Register</th><th>Tag</th>"));
    EXPECT_THAT(html, HasSubstr("<td>D100</td><td>Level &lt;A&gt;</td>"));
    EXPECT_THAT(projectHtmlReport(CheckInput{project}, "P"), Not(HasSubstr("<th>Tag</th>")));
}
