// Guards the document against another program's change of its project file: a save that writes
// over that change unasked, Keep mine that asks again about the same version or leaves the
// project looking saved, Reload that keeps the edits or the old Modbus table or lets the pending
// command go on, the editor's own save taken for another program's, and a deleted file that
// stops the save that would write it again.
#include <gtest/gtest.h>

#include <fstream>

#include "model/CZorvEditorDoc.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "platform/ScriptedPrompt.h"
#include "tests/model/DocumentFolders.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

class DocumentDiskChangeTest : public test::DocumentFolders {
protected:
    void SetUp() override {
        DocumentFolders::SetUp();
        file = root / "projects" / "Press.zvd";
        writeProject({1}, "first table");
    }

    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    void write(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

    // Another program writes a project of these pages, and its Modbus table, over the file.
    void writeProject(std::initializer_list<int> pages, const std::string& table) {
        CHCData project;
        for (int number : pages)
            project.addPage(uint16_t(number), PlaceMode::Insert);
        const std::vector<uint8_t> bytes = encipherProject(projectStream(project));
        write(file, std::string(bytes.begin(), bytes.end()));
        write(root / "projects" / "Press.mdt", table);
    }
    std::vector<int> pagesOf(const CZorvEditorDoc& doc) {
        std::vector<int> numbers;
        for (int i = 0; i < doc.project().pageCount(); ++i)
            numbers.push_back(doc.project().page(i)->number());
        return numbers;
    }
    std::vector<int> pagesOnDisk() {
        ScriptedPrompt quiet;
        CZorvEditorDoc reader(quiet, *paths);
        EXPECT_TRUE(reader.open(file));
        return pagesOf(reader);
    }

    fs::path file;
};

const std::vector<std::string> kAskedOnce{docmsg::kChangedOnDisk};

} // namespace

TEST_F(DocumentDiskChangeTest, KeepMineSavesOverThatVersionAndAsksNoMore) {
    ScriptedPrompt prompt({PromptAnswer::No}); // Keep mine
    int kept = 0;
    DocumentHooks hooks;
    hooks.diskChangeSettled = [&](bool reloaded) { kept += reloaded ? 100 : 1; };
    CZorvEditorDoc doc(prompt, *paths, hooks);
    ASSERT_TRUE(doc.open(file));
    EXPECT_FALSE(doc.changedOnDisk());
    doc.project().addPage(5, PlaceMode::Insert);
    doc.setModified();

    writeProject({1, 2}, "their table");
    EXPECT_TRUE(doc.changedOnDisk());
    ASSERT_TRUE(doc.save(file));
    EXPECT_EQ(prompt.texts, kAskedOnce);
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(pagesOnDisk(), (std::vector<int>{1, 5}));
    EXPECT_FALSE(doc.changedOnDisk());
    EXPECT_FALSE(doc.modified());
    // The editor's own save is no change: saving again asks nothing.
    ASSERT_TRUE(doc.save(file));
    EXPECT_EQ(prompt.texts, kAskedOnce);
}

// Kept while nothing was to be saved (the question came on the window's activation): the project
// in memory differs from the file now, so it is marked modified and leaving asks to save it.
TEST_F(DocumentDiskChangeTest, KeepMineWithoutASaveMarksTheProjectModified) {
    ScriptedPrompt prompt({PromptAnswer::No});
    CZorvEditorDoc doc(prompt, *paths);
    ASSERT_TRUE(doc.open(file));
    writeProject({1, 2}, "their table");
    EXPECT_TRUE(doc.settleDiskChange());
    EXPECT_TRUE(doc.modified());
    EXPECT_FALSE(doc.changedOnDisk());
    EXPECT_TRUE(doc.settleDiskChange());
    EXPECT_EQ(prompt.texts, kAskedOnce);
    // A second change is a version of its own, asked about again.
    writeProject({1, 2, 3}, "their table");
    EXPECT_TRUE(doc.changedOnDisk());
}

TEST_F(DocumentDiskChangeTest, ReloadTakesTheFileAndStopsTheSave) {
    ScriptedPrompt prompt({PromptAnswer::Yes}); // Reload
    std::vector<bool> settled;
    DocumentHooks hooks;
    hooks.diskChangeSettled = [&](bool reloaded) { settled.push_back(reloaded); };
    CZorvEditorDoc doc(prompt, *paths, hooks);
    ASSERT_TRUE(doc.open(file));
    EXPECT_EQ(read(doc.modbusWorkingCopy()), "first table");
    doc.project().addPage(5, PlaceMode::Insert);
    doc.setModified();

    writeProject({1, 2}, "their table");
    const std::string theirs = read(file);
    EXPECT_FALSE(doc.save(file));
    EXPECT_EQ(prompt.texts, kAskedOnce);
    EXPECT_EQ(settled, std::vector<bool>{true});
    EXPECT_EQ(read(file), theirs);
    EXPECT_EQ(pagesOf(doc), (std::vector<int>{1, 2}));
    EXPECT_EQ(read(doc.modbusWorkingCopy()), "their table");
    EXPECT_FALSE(doc.modified());
    EXPECT_FALSE(doc.changedOnDisk());
    EXPECT_EQ(doc.path(), file);
}

// The save asked before New, Open and leaving: Keep mine saves and the command goes on; Reload
// stops it, so that the user sees the project that is now open.
TEST_F(DocumentDiskChangeTest, TheSaveQuestionBeforeAPendingCommandAsksToo) {
    for (const bool reload : {false, true}) {
        ScriptedPrompt prompt({PromptAnswer::Yes, reload ? PromptAnswer::Yes : PromptAnswer::No});
        CZorvEditorDoc doc(prompt, *paths);
        writeProject({1}, "first table");
        ASSERT_TRUE(doc.open(file));
        doc.project().addPage(7, PlaceMode::Insert);
        doc.setModified();
        writeProject({1, 2}, "their table");
        EXPECT_EQ(doc.saveModified(), !reload);
        EXPECT_EQ(prompt.texts,
                  (std::vector<std::string>{docmsg::kSaveChanges, docmsg::kChangedOnDisk}));
        const std::vector<int> expected = reload ? std::vector<int>{1, 2} : std::vector<int>{1, 7};
        EXPECT_EQ(pagesOnDisk(), expected);
        EXPECT_EQ(pagesOf(doc), expected);
        EXPECT_FALSE(doc.modified());
    }
}

// A file that is no project any more: the reload says why and the project stays, kept as with
// Keep mine, so the next save writes it without asking.
TEST_F(DocumentDiskChangeTest, AFailedReloadKeepsTheProject) {
    ScriptedPrompt prompt({PromptAnswer::Yes});
    CZorvEditorDoc doc(prompt, *paths);
    ASSERT_TRUE(doc.open(file));
    write(file, "not a project at all");
    EXPECT_FALSE(doc.settleDiskChange());
    ASSERT_EQ(prompt.texts.size(), 2u);
    EXPECT_EQ(prompt.texts[0], docmsg::kChangedOnDisk);
    EXPECT_EQ(pagesOf(doc), std::vector<int>{1});
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(doc.save(file));
    EXPECT_EQ(prompt.texts.size(), 2u);
    EXPECT_EQ(pagesOnDisk(), std::vector<int>{1});
}

TEST_F(DocumentDiskChangeTest, TheEditorsOwnWritesAreNoChange) {
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    // A project without a file has nothing on disk to watch.
    EXPECT_FALSE(doc.changedOnDisk());
    ASSERT_TRUE(doc.open(file));
    doc.project().addPage(3, PlaceMode::Insert);
    ASSERT_TRUE(doc.save(file));
    EXPECT_FALSE(doc.changedOnDisk());
    // The same bytes copied back over the file (a checkout that changed nothing).
    const std::string bytes = read(file);
    write(file, bytes);
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(3));
    EXPECT_FALSE(doc.changedOnDisk());
    // Saved under another name: that file is the one watched now.
    ASSERT_TRUE(doc.saveAs({root / "projects" / "copy", "Press"}));
    writeProject({9}, "their table");
    EXPECT_FALSE(doc.changedOnDisk());
    // A new project has no file.
    ASSERT_TRUE(doc.newProject());
    EXPECT_FALSE(doc.changedOnDisk());
    EXPECT_TRUE(prompt.texts.empty());
}

// A project kept elsewhere (a recovery snapshot, an earlier version) opened for the file stands
// for the file as it is then: only a later change is asked about.
TEST_F(DocumentDiskChangeTest, AKeptProjectWatchesTheFileFromItsOpening) {
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    const std::string older = read(file);
    writeProject({1, 2}, "their table");
    const std::vector<uint8_t> kept(older.begin(), older.end());
    ASSERT_TRUE(doc.openKept(kept, file, {}));
    EXPECT_FALSE(doc.changedOnDisk());
    writeProject({4}, "their table");
    EXPECT_TRUE(doc.changedOnDisk());
}

// Deleted or moved away while open: nothing is asked, and Save writes the file again.
TEST_F(DocumentDiskChangeTest, ADeletedFileIsWrittenAgain) {
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    ASSERT_TRUE(doc.open(file));
    fs::rename(file, root / "projects" / "Moved.zvd");
    EXPECT_FALSE(doc.changedOnDisk());
    EXPECT_TRUE(doc.settleDiskChange());
    ASSERT_TRUE(doc.save(file));
    EXPECT_TRUE(prompt.texts.empty());
    EXPECT_EQ(pagesOnDisk(), std::vector<int>{1});
    // Another file put in its place is a change.
    writeProject({1, 2}, "their table");
    EXPECT_TRUE(doc.changedOnDisk());
}
