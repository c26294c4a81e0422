// Guards the tags: an import that takes part of a faulty file or names the wrong line (a quoted
// field over two lines, a byte order mark, CR LF ends), columns chosen by name or position read
// from the wrong place, a merge that loses the table's tags, names that hide registers or differ
// only in case, completions out of order, and a tag file that does not follow Save As.
#include <gtest/gtest.h>

#include <fstream>

#include "model/CZorvEditorDoc.h"
#include "model/history/ProjectHistory.h"
#include "model/recovery/RecoveryFiles.h"
#include "model/RegisterName.h"
#include "model/tags/TagFile.h"
#include "model/tags/TagImport.h"
#include "platform/ScriptedPrompt.h"
#include "tests/model/DocumentFolders.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

constexpr RegisterRef D(uint16_t address) {
    return {1, uint8_t(RegisterType::D), address};
}

TagTable importedOrFail(std::string_view csv, const TagImportOptions& options = {}) {
    TagTable table;
    std::vector<std::string> faults;
    EXPECT_TRUE(importTags(csv, options, table, faults)) << (faults.empty() ? "" : faults[0]);
    return table;
}

TEST(TagImportTest, GoodRowsAreTakenAndFaultyOnesNamedByLineWithNothingChanged) {
    const TagTable good = importedOrFail("\xEF\xBB\xBFname,register,comment\r\n"
                                         "Batch count,D100,\"per batch, \"\"net\"\"\"\r\n"
                                         "\r\n"
                                         "Mixer , m5 ,\"two\nlines\"\r\n"
                                         "Station 2 speed,2:D7,\r\n");
    ASSERT_EQ(good.size(), 3u);
    EXPECT_EQ(good.tags()[0], (Tag{"Batch count", D(100), "per batch, \"net\""}));
    EXPECT_EQ(good.tags()[1], (Tag{"Mixer", {1, uint8_t(RegisterType::M), 5}, "two\nlines"}));
    EXPECT_EQ(good.tags()[2].reg, (RegisterRef{2, uint8_t(RegisterType::D), 7}));

    TagTable table = good;
    std::vector<std::string> faults;
    // Line 3 holds a comment over two lines, so the rows after it start on lines 5, 6 and 7.
    EXPECT_FALSE(importTags("name,register,comment\n"
                            "Pump,D1,ok\n"
                            "Valve,D2,\"long\ncomment\"\n"
                            "PUMP,D3,\n"
                            "Heater,Q12,\n"
                            "D200,D4,\n"
                            "Fan,X8,\n",
                            {}, table, faults));
    EXPECT_EQ(faults, (std::vector<std::string>{
                          "line 5: duplicate name \"Pump\" (also on line 2)",
                          "line 6: unreadable register \"Q12\"",
                          "line 7: the name reads as a register (\"D200\")",
                          "line 8: unreadable register \"X8\"", // X is octal
                      }));
    EXPECT_EQ(table, good);

    EXPECT_FALSE(importTags("name,register\nPump,\"D1\n", {}, table, faults));
    EXPECT_EQ(faults, std::vector<std::string>{"line 2: a quoted field is not closed"});
    EXPECT_FALSE(importTags("Tag,Address\nPump,D1\n", {}, table, faults));
    EXPECT_EQ(faults, std::vector<std::string>{"line 1: the header has no column \"name\""});
    EXPECT_EQ(table, good);
}

TEST(TagImportTest, ColumnsAreChosenByHeaderNameOrPositionAndMergeKeepsOtherTags) {
    TagImportOptions byName;
    byName.name = {"Symbol"};
    byName.reg = {"ADDRESS"};
    byName.comment = {"Remark"};
    const TagTable named = importedOrFail("Remark;Address;Symbol\nfeed rate;D10;Feed\n", [&] {
        TagImportOptions o = byName;
        o.separator = ';';
        return o;
    }());
    ASSERT_EQ(named.size(), 1u);
    EXPECT_EQ(named.tags()[0], (Tag{"Feed", D(10), "feed rate"}));

    TagImportOptions byPosition;
    byPosition.header = false;
    byPosition.name = {"", 1};
    byPosition.reg = {"", 0};
    byPosition.comment = {};
    TagTable table = importedOrFail("D20,Speed,ignored\nD21,Feed\n", byPosition);
    EXPECT_EQ(table.find("feed")->reg, D(21));

    TagImportOptions merge;
    merge.merge = true;
    std::vector<std::string> faults;
    ASSERT_TRUE(importTags("name,register\nfeed,D30\nLevel,D31\n", merge, table, faults));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.find("Speed")->reg, D(20));
    EXPECT_EQ(table.find("Feed")->reg, D(30));
    EXPECT_EQ(table.find("Level")->reg, D(31));
}

TEST(TagTableTest, NamesResolveBothWaysWithCompletionsInNameOrder) {
    TagTable table;
    EXPECT_EQ(table.add({"Pump speed", D(100), ""}), TagFault::None);
    EXPECT_EQ(table.add({"pump run", {1, uint8_t(RegisterType::M), 5}, ""}), TagFault::None);
    EXPECT_EQ(table.add({"Alias", D(100), ""}), TagFault::None);
    EXPECT_EQ(table.add({" PUMP SPEED ", D(1), ""}), TagFault::DuplicateName);
    EXPECT_EQ(table.add({"x17", D(1), ""}), TagFault::NameIsRegister);
    EXPECT_EQ(table.add({"  ", D(1), ""}), TagFault::NoName);
    EXPECT_EQ(table.add({"Bad\xFF", D(1), ""}), TagFault::NotUtf8);
    EXPECT_EQ(table.size(), 3u);

    EXPECT_EQ(table.tagOf(D(100))->name, "Pump speed");
    EXPECT_EQ(table.tagsOf(D(100)).size(), 2u);
    EXPECT_EQ(table.tagOf(D(101)), nullptr);
    EXPECT_EQ(table.resolve("PUMP RUN"), (RegisterRef{1, uint8_t(RegisterType::M), 5}));
    EXPECT_EQ(table.resolve("y17"), (RegisterRef{1, uint8_t(RegisterType::Y), 15}));
    EXPECT_EQ(table.resolve("3:D8499"), (RegisterRef{3, uint8_t(RegisterType::D), 8499}));
    EXPECT_EQ(table.resolve("D8500"), std::nullopt);
    EXPECT_EQ(table.resolve("Pump"), std::nullopt);

    const auto pump = table.completions("pUmP");
    ASSERT_EQ(pump.size(), 2u);
    EXPECT_EQ(pump[0]->name, "pump run");
    EXPECT_EQ(pump[1]->name, "Pump speed");
    EXPECT_EQ(registerText({2, uint8_t(RegisterType::X), 8}), "2:X10");
    EXPECT_EQ(parseRegisterText(registerText({2, uint8_t(RegisterType::X), 8})),
              (RegisterRef{2, uint8_t(RegisterType::X), 8}));
}

class TagFileTest : public test::DocumentFolders {};

TEST_F(TagFileTest, TagsGoWithSaveAsToAnotherFolderAndTheProjectFileStaysTheSame) {
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    doc.project().addPage(1, PlaceMode::Insert);
    ASSERT_TRUE(doc.saveAs({root / "projects" / "plain", "Press"}));
    TagTable tags;
    ASSERT_EQ(tags.add({"Batch, count", D(100), "héllo \"quoted\""}), TagFault::None);
    doc.setTags(tags);
    EXPECT_TRUE(doc.modified());
    ASSERT_TRUE(doc.saveAs({root / "projects" / "tagged", "Press"}));

    auto bytes = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    };
    EXPECT_EQ(bytes(root / "projects" / "plain" / "Press.zvd"),
              bytes(root / "projects" / "tagged" / "Press.zvd"));
    EXPECT_FALSE(fs::exists(root / "projects" / "plain" / "Press.tags.csv"));
    const fs::path file = root / "projects" / "tagged" / "Press.tags.csv";
    EXPECT_EQ(bytes(file),
              "name,register,comment\n\"Batch, count\",D100,\"héllo \"\"quoted\"\"\"\n");

    CZorvEditorDoc reopened(prompt, *paths);
    ASSERT_TRUE(reopened.open(root / "projects" / "tagged" / "Press.zvd"));
    EXPECT_EQ(reopened.tags(), tags);

    // A tag file that cannot be read is told, kept as it is and still carried along.
    std::ofstream(file, std::ios::binary) << "name,register\nPump,D1\nPump,D2\n";
    CZorvEditorDoc damaged(prompt, *paths);
    ASSERT_TRUE(damaged.open(root / "projects" / "tagged" / "Press.zvd"));
    EXPECT_TRUE(damaged.tags().empty());
    ASSERT_FALSE(prompt.texts.empty());
    EXPECT_NE(prompt.texts.back().find("line 3: duplicate name"), std::string::npos);
    ASSERT_TRUE(damaged.saveAs({root / "projects" / "moved", "Press"}));
    EXPECT_EQ(bytes(file), "name,register\nPump,D1\nPump,D2\n");
    EXPECT_EQ(bytes(root / "projects" / "moved" / "Press.tags.csv"), bytes(file));

    // The PLC link's register map, which the editor never reads, goes along as it is.
    std::ofstream(root / "projects" / "moved" / "Press.plcmap.csv", std::ios::binary)
        << "family,object,base\nD,holding-register,1000\n";
    ASSERT_TRUE(damaged.saveAs({root / "projects" / "again", "Press"}));
    EXPECT_EQ(bytes(root / "projects" / "again" / "Press.plcmap.csv"),
              "family,object,base\nD,holding-register,1000\n");
}

TEST_F(TagFileTest, RecoveryAndHistoryKeepTheTagsWithTheProject) {
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    const fs::path file = root / "projects" / "Press.zvd";
    TagTable first;
    ASSERT_EQ(first.add({"Batch", D(100), ""}), TagFault::None);
    doc.setTags(first);
    ASSERT_TRUE(doc.save(file));
    // Only the tags change: the save still keeps the version it replaces, with its tags.
    TagTable second;
    ASSERT_EQ(second.add({"Batch", D(200), "moved"}), TagFault::None);
    doc.setTags(second);
    ASSERT_TRUE(doc.save(file));
    ProjectHistory history(paths->workFolder(), file);
    ASSERT_EQ(history.versions().size(), 1u);
    KeptFiles kept;
    ASSERT_TRUE(history.read(history.versions()[0], kept));
    ASSERT_TRUE(kept.tagFile.has_value());
    ASSERT_TRUE(doc.openKept(kept.projectFile, file, {}, &*kept.tagFile));
    EXPECT_EQ(doc.tags(), first);
    EXPECT_TRUE(doc.modified());

    // Unsaved tags survive a crash through the snapshot, which reads back whole.
    doc.setTags(second);
    const auto snapshot =
        decodeSnapshot(encodeSnapshot(completeSnapshot(captureSnapshot(doc), 0, "test")));
    ASSERT_TRUE(snapshot && snapshot->tagFile);
    CZorvEditorDoc recovered(prompt, *paths);
    ASSERT_TRUE(recovered.openKept(snapshot->projectFile, file, {}, &*snapshot->tagFile));
    EXPECT_EQ(recovered.tags(), second);

    // A project without tags carries an empty tag file, which is no fault.
    doc.setTags({});
    const RecoverySnapshot none = completeSnapshot(captureSnapshot(doc), 0, "test");
    ASSERT_TRUE(none.tagFile);
    CZorvEditorDoc untagged(prompt, *paths);
    ASSERT_TRUE(untagged.openKept(none.projectFile, file, {}, &*none.tagFile));
    EXPECT_TRUE(untagged.tags().empty());
    EXPECT_TRUE(prompt.texts.empty());
}

} // namespace
