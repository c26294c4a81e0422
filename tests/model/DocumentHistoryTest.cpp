// Guards the versions that the document's Save keeps: the replaced file lost instead of kept, a
// version kept of the new bytes instead of the old, a save that changes nothing filling the
// history, and a history that cannot be written stopping the save.
#include <gtest/gtest.h>

#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "model/history/ProjectHistory.h"
#include "platform/ScriptedPrompt.h"
#include "tests/model/DocumentFolders.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

class DocumentHistoryTest : public test::DocumentFolders {
protected:
    void SetUp() override {
        DocumentFolders::SetUp();
        file = root / "projects" / "Press.zvd";
    }

    std::vector<uint8_t> bytes(const fs::path& p) {
        return fileops::readFile(p).value_or(std::vector<uint8_t>{});
    }
    void setTable(CZorvEditorDoc& doc, const std::string& text) {
        ASSERT_TRUE(fileops::writeFile(doc.modbusWorkingCopy(),
                                       std::vector<uint8_t>(text.begin(), text.end())));
    }

    fs::path file;
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(DocumentHistoryTest, SavingTwiceKeepsTheFirstBytes) {
    CZorvEditorDoc doc(prompt, *paths);
    setTable(doc, "first table");
    doc.project().addPage(1, PlaceMode::Insert);
    ASSERT_TRUE(doc.save(file));
    const std::vector<uint8_t> first = bytes(file);
    const std::vector<uint8_t> firstTable = bytes(root / "projects" / "Press.mdt");
    ProjectHistory history(paths->workFolder(), file);
    EXPECT_TRUE(history.versions().empty()); // nothing was there to replace

    doc.project().addPage(2, PlaceMode::Insert);
    setTable(doc, "second table");
    ASSERT_TRUE(doc.save(file));
    // The same project again changes nothing: no second copy of the same bytes.
    ASSERT_TRUE(doc.save(file));
    const std::vector<KeptVersion> versions = history.versions();
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].pages, 1);
    KeptFiles kept;
    ASSERT_TRUE(history.read(versions[0], kept));
    EXPECT_EQ(kept.projectFile, first);
    ASSERT_TRUE(kept.modbusTable.has_value());
    EXPECT_EQ(*kept.modbusTable, firstTable);
    EXPECT_NE(bytes(file), first);
    EXPECT_TRUE(prompt.texts.empty());

    // The kept version opens as unsaved work of the same project.
    ASSERT_TRUE(doc.openKept(kept.projectFile, file, *kept.modbusTable));
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(doc.path(), file);
    EXPECT_EQ(doc.project().pageCount(), 1);
    EXPECT_EQ(bytes(doc.modbusWorkingCopy()), firstTable);
}

TEST_F(DocumentHistoryTest, AHistoryThatCannotBeWrittenDoesNotStopTheSave) {
    ASSERT_TRUE(fileops::writeFile(paths->workFolder() / "history", {})); // a file, not a folder
    CZorvEditorDoc doc(prompt, *paths);
    ASSERT_TRUE(doc.save(file));
    doc.project().addPage(1, PlaceMode::Insert);
    doc.setModified();
    ASSERT_TRUE(doc.save(file));
    EXPECT_FALSE(doc.modified());
    EXPECT_TRUE(prompt.texts.empty());
    CZorvEditorDoc reopened(prompt, *paths);
    ASSERT_TRUE(reopened.open(file));
    EXPECT_EQ(reopened.project().pageCount(), 1);
}

TEST_F(DocumentHistoryTest, SaveAsOverAnotherProjectKeepsThatOne) {
    const fs::path other = root / "projects" / "copy" / "Press.zvd";
    CZorvEditorDoc doc(prompt, *paths);
    doc.project().addPage(7, PlaceMode::Insert);
    ASSERT_TRUE(doc.save(other));
    const std::vector<uint8_t> overwritten = bytes(other);
    CZorvEditorDoc second(prompt, *paths);
    ASSERT_TRUE(second.saveAs({root / "projects" / "copy", "Press"}));
    // Kept under the file it replaced, not under the project it came from.
    ProjectHistory history(paths->workFolder(), other);
    ASSERT_EQ(history.versions().size(), 1u);
    KeptFiles kept;
    ASSERT_TRUE(history.read(history.versions()[0], kept));
    EXPECT_EQ(kept.projectFile, overwritten);
    EXPECT_TRUE(ProjectHistory(paths->workFolder(), file).versions().empty());
}
