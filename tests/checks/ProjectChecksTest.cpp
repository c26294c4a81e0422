// Guards the project-wide checks: alarm texts that one language lacks while the panel switches
// languages, an image past 56 KB or 512 characters, a compile refusal that loses the widget it
// names; texts that run into each other on the panel's pixels; and that the shipped demo project
// has no error.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CheckProjects.h"
#include "cli/json/ProjectJson.h"
#include "image/ImageCompiler.h"
#include "platform/Paths.h"

using namespace zorv;
using namespace zorv::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(AlarmLanguages, OnlyWhileMultiLanguageIsOn) {
    CHCData project = ringProject(1);
    project.alarmList.setEntryCount(3);
    project.alarmList.setText(1, 0, TextSlot::fromBytes("Hot"));
    project.alarmList.setText(1, 1, TextSlot::fromBytes("Heiss"));
    project.alarmList.setText(2, 0, TextSlot::fromBytes("Cold"));
    AlarmListRecord widget = AlarmListRecord::makeDefault();
    widget.setText(0, 1, TextSlot()); // the no-alarm text in language 1 only
    addWidget(project, 1, widget);
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
    project.header.setFlags(project.header.flags() | sysflag::kMultiLanguage);
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("warning project: in the system alarm list, alarm 2 has no language 2 "
                            "text",
                            "warning page 1 Alarm 1 (0,0): the no-alarm entry has no language 2 "
                            "text"));
    project.alarmList.setText(2, 1, TextSlot::fromBytes("Kalt"));
    widget.setText(0, 0, TextSlot()); // both empty: no language lacks it
    project.pageByNumber(1)->widgets[0].set(widget);
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
}

TEST(ImageLimits, SizeFromTheCompileStatistics) {
    const CHCData project = ringProject(1);
    CompileStats stats;
    stats.ok = true;
    stats.imageBytes = kImageLimit;
    EXPECT_THAT(linesOf(check(project, {}, &stats)), IsEmpty());
    stats.imageBytes = kImageLimit + 1;
    EXPECT_THAT(linesOf(check(project, {}, &stats)),
                ElementsAre("error project: the image takes 57345 bytes, more than the panel's "
                            "57344 (56 KB); the download refuses it"));
}

TEST(ImageLimits, RefusedCompileNamesTheWidget) {
    CHCData project = ringProject(2);
    addWidget(project, 2, placed(text("x"), 16, 32));
    const int32_t id = addWidget(project, 2, placed(text("y"), 24, 48));
    CompileStats stats;
    stats.message = std::string(kTooManyGlyphsMessage) + " The limit is passed on page 2.";
    stats.refusedAt = CompilePlace{2, WidgetKind::StaticText, 24, 48};
    const Findings findings = check(project, {}, &stats);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].code, "over-512-characters");
    EXPECT_EQ(findings[0].widget->id, id);
    stats.message = "Failed to open the Hzk14.dat!";
    stats.refusedAt.reset();
    EXPECT_THAT(linesOf(check(project, {}, &stats)),
                ElementsAre("error project: Failed to open the Hzk14.dat!"));
    EXPECT_THAT(codesOf(check(project, {}, &stats)), ElementsAre("image-refused"));
}

TEST(ProjectChecks, DemoHasNoError) {
    std::ifstream file(ZORV_SOURCE_DIR "/data/demo.json");
    ASSERT_TRUE(file);
    std::stringstream text;
    text << file.rdbuf();
    CHCData demo;
    std::string error;
    ASSERT_TRUE(json::importProjectJson(text.str(), demo, error)) << error;
    const Findings findings = check(demo);
    for (const Finding& f : findings)
        EXPECT_EQ(f.severity, Severity::Warning) << findingLine(f);
}

// Checks with the image the project compiles to, through the font files of the build.
Findings checkWithImage(const CHCData& project) {
    const GlyphSources fonts =
        readGlyphSources(FixedPaths(ZORV_PROGRAM_DIR, ZORV_PROGRAM_DIR, ZORV_PROGRAM_DIR));
    const CompileResult compiled = compileImage(project, fonts);
    EXPECT_TRUE(compiled.ok) << compiled.message;
    const CompileStats stats = imageStats(compiled.image, compiled.glyphCount);
    return checkProject(project, compiled.image, stats, {}, fonts);
}

TEST(Overlaps, TextsThatRunIntoEachOtherOnThePanel) {
    CHCData project = ringProject(1);
    addWidget(project, 1, placed(text("Temperature", "Temp"), 0, 0));
    // Clear of the first in language 2, into it in language 1.
    const int32_t second = addWidget(project, 1, placed(text("Hot", "Heiss"), 48, 0));
    project.header.setFlags(project.header.flags() | sysflag::kMultiLanguage);
    Findings findings = checkWithImage(project);
    ASSERT_THAT(codesOf(findings), ElementsAre("widgets-overlap"));
    EXPECT_EQ(findings[0].widget->id, second);
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_THAT(findings[0].message, ::testing::HasSubstr("StaticText 1 (0,0)"));
    EXPECT_THAT(findings[0].message, ::testing::HasSubstr("in language 1"));

    // Side by side, touching but not overlapping: nothing.
    project.pageByNumber(1)->widgets[1].set(placed(text("Hot", "Heiss"), 88, 0));
    EXPECT_THAT(codesOf(checkWithImage(project)), IsEmpty());
}

TEST(Overlaps, DemoShowsNoOverlapInEitherLanguage) {
    std::ifstream file(ZORV_SOURCE_DIR "/data/demo.json");
    std::stringstream text;
    text << file.rdbuf();
    CHCData demo;
    std::string error;
    ASSERT_TRUE(json::importProjectJson(text.str(), demo, error)) << error;
    for (const Finding& f : checkWithImage(demo))
        EXPECT_NE(f.code, "widgets-overlap") << findingLine(f);
}
