// Guards the ini files against: key lookups that do not match by containment or that stop at a
// "[" line, values with their spaces, writes without CR LF, writes reported as done with no
// file open, and config.ini reads and writes that lose other keys or miss a key in any case.
#include <gtest/gtest.h>

#include <fstream>

#include "image/IniFile.h"
#include "image/IniFileProfile.h"
#include "tests/TestFolder.h"

using namespace zorv;

namespace {
std::filesystem::path dir() {
    return zorv::test::testFolder("zorv_ini_");
}
void writeText(const std::filesystem::path& p, std::string_view text) {
    std::ofstream(p, std::ios::binary) << text;
}
std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
CIniFile info() {
    CIniFile ini;
    ini.setFolder(dir().string() + "/");
    ini.setFileName("info");
    return ini;
}
} // namespace

TEST(IniFile, WritesSectionAndKeyInTextMode) {
    CIniFile ini = info();
    EXPECT_FALSE(ini.writeSection("path")); // no file open
    ASSERT_TRUE(ini.openForWriting());
    EXPECT_TRUE(ini.writeSection("path"));
    EXPECT_TRUE(ini.writeKey("LastPath", "/home/u/projects/"));
    ini.close();
    EXPECT_EQ(readText(dir() / "info.ini"), "[path]\r\nLastPath=/home/u/projects/\r\n");

    std::string value;
    ASSERT_TRUE(ini.openForReading());
    EXPECT_TRUE(ini.getValue("path", "LastPath", value));
    EXPECT_EQ(value, "/home/u/projects/");
}

TEST(IniFile, LookupRules) {
    writeText(dir() / "rules.ini", "[path]\r\nLastPath=   /a b/   \r\n[other]\r\nSecond= two\r\n"
                                   "=orphan\r\nbare\r\n");
    CIniFile ini;
    ini.setFolder(dir().string() + "/");
    ini.setFileName("rules");
    ASSERT_TRUE(ini.openForReading());
    std::string v;
    EXPECT_TRUE(ini.getValue("path", "LastPath", v));
    EXPECT_EQ(v, "/a b/");
    EXPECT_TRUE(ini.getValue("path", "Path", v)); // containment
    EXPECT_EQ(v, "/a b/");
    EXPECT_TRUE(ini.getValue("path", "Second", v)); // "[" lines are skipped
    EXPECT_EQ(v, "two");
    EXPECT_TRUE(ini.getValue("path", "bar", v)); // a line without "=" is all key
    EXPECT_EQ(v, "");
    EXPECT_FALSE(ini.getValue("path", "orphan", v)); // an empty key part never matches
    EXPECT_FALSE(ini.getValue("none", "LastPath", v));
    EXPECT_TRUE(ini.findSection("other"));

    CIniFile missing;
    missing.setFolder(dir().string() + "/");
    missing.setFileName("absent");
    EXPECT_FALSE(missing.openForReading());
    EXPECT_FALSE(missing.getValue("path", "LastPath", v));
}

TEST(IniFile, ConfigProfile) {
    const auto work = dir() / "work";
    std::filesystem::create_directories(work);
    FixedPaths paths(work, work, work);
    const auto config = configIniPath(paths);
    std::filesystem::remove(config);
    EXPECT_EQ(profileString(config, kConfigSection, kConfigInputKey), "");

    ASSERT_TRUE(writeProfileString(config, kConfigSection, kConfigInputKey, "/p/in.zvd"));
    ASSERT_TRUE(writeProfileString(config, kConfigSection, kConfigOutputKey, "/p/out.hc"));
    ASSERT_TRUE(writeProfileString(config, kConfigSection, kConfigInputKey, "/p/new.zvd"));
    EXPECT_EQ(readText(config),
              "[FilePathName]\r\nInputFile=/p/new.zvd\r\nOutputFile=/p/out.hc\r\n");

    writeText(config, "[other]\nInputFile=x\n[ filepathname ]\n  outputfile = /q \n");
    EXPECT_EQ(profileString(config, kConfigSection, kConfigOutputKey), "/q");
    EXPECT_EQ(profileString(config, kConfigSection, kConfigInputKey), "");
    ASSERT_TRUE(writeProfileString(config, kConfigSection, kConfigInputKey, std::string(200, 'p')));
    EXPECT_EQ(profileString(config, kConfigSection, kConfigInputKey), std::string(127, 'p'));
    EXPECT_EQ(profileString(config, "other", kConfigInputKey), "x");
}
