// Guards the report command against: the Modbus section missing or put before the project's
// report, line ends not written as CR LF, the file put elsewhere than the work folder's report/,
// and a failure reported as a path (or with a message of its own, which the document shows).
#include <gtest/gtest.h>

#include <fstream>

#include "comm/ModbusTableReport.h"
#include "comm/ProjectReport.h"
#include "image/Report.h"
#include "tests/TestFolder.h"

using namespace zorv;

namespace {
std::filesystem::path freshDir(const char* name) {
    return zorv::test::freshTestFolder(std::string("zorv_") + name + "_");
}
std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
std::tm march2016() {
    std::tm t{};
    t.tm_year = 116;
    t.tm_mon = 2;
    t.tm_mday = 1;
    t.tm_hour = 14;
    t.tm_min = 5;
    t.tm_sec = 9;
    return t;
}
} // namespace

TEST(ProjectReport, ProjectSectionThenModbusSection) {
    const auto dir = freshDir("project-report-text");
    const std::vector<ModbusRow> rows{{0, 1, 0, 0}};
    const auto bytes = encodeModbusTable(rows);
    std::ofstream(dir / "p.mdt", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    CHCData project;
    project.addPage(1, PlaceMode::Insert);
    std::string expected;
    writeProjectReport(project, expected);
    writeModbusReport(rows, expected);
    EXPECT_EQ(projectReportText(project, dir / "p.mdt"), expected);

    std::string headingOnly;
    writeProjectReport(project, headingOnly);
    writeModbusReportOfFile(dir / "none.mdt", headingOnly);
    EXPECT_EQ(projectReportText(project, dir / "none.mdt"), headingOnly);
    EXPECT_NE(headingOnly.find("Modbus Protocol configuration:"), std::string::npos);
}

TEST(ProjectReport, MadeInTheWorkFoldersReportFolderInTextMode) {
    const auto work = freshDir("project-report-file");
    FixedPaths paths(work, work, work);
    CHCData project;
    project.addPage(1, PlaceMode::Insert);
    const auto file = makeProjectReport(paths, project, work / "none.mdt", "Demo", march2016());
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, work / "report" / "Demo 2016-03-01,14-05-09.txt");
    EXPECT_EQ(readAll(*file), toTextMode(projectReportText(project, work / "none.mdt")));
    EXPECT_EQ(readAll(*file).substr(0, 22), "The total pages = 1\r\nS");

    const auto now = makeProjectReport(paths, project, work / "none.mdt", "Demo");
    ASSERT_TRUE(now);
    EXPECT_EQ(now->parent_path(), work / "report");
}

TEST(ProjectReport, UnwritableFolderGivesNothing) {
    FixedPaths nowhere("/proc/none", "/proc/none", "/proc/none");
    CHCData project;
    EXPECT_FALSE(makeProjectReport(nowhere, project, "/proc/none/x.mdt", "Demo", march2016()));
    EXPECT_FALSE(writeProjectReportFile(project, "/proc/none/x.mdt", "/proc/none/r.txt"));
}
