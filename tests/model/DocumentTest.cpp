// Guards the document's file commands: a save that destroys the previous file when it fails, a
// read-only target overwritten without asking, a failed open that leaves a half-read project or
// a path that a later save would overwrite, a file of pages sharing a number taken in, temporary
// plain files left behind, the Modbus table and pictures not following the project, a table too
// large for the panel saved beside it, and pending commands that go on after Cancel.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"
#include "model/ModbusTableLimit.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "platform/ScriptedPrompt.h"
#include "tests/model/DocumentFolders.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

class DocumentTest : public test::DocumentFolders {
protected:
    void SetUp() override { DocumentFolders::SetUp(); }

    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    void write(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }
    int tempFiles() {
        return int(std::distance(fs::directory_iterator(root / "temp"), fs::directory_iterator()));
    }

    // The first `size` bytes of a new project's file.
    std::string projectFileCutTo(std::size_t size) {
        const fs::path file = root / "projects" / "whole.zvd";
        ScriptedPrompt prompt;
        CZorvEditorDoc doc(prompt, *paths);
        EXPECT_TRUE(doc.save(file));
        return read(file).substr(0, size);
    }
};

} // namespace

TEST_F(DocumentTest, SaveAndOpenKeepTheProjectAndItsModbusTable) {
    ScriptedPrompt prompt;
    const fs::path file = root / "projects" / "line1" / "Press.zvd";
    {
        CZorvEditorDoc doc(prompt, *paths);
        EXPECT_EQ(doc.title(), "No title");
        doc.project().addPage(3, PlaceMode::Insert)->addWidget("Bar");
        write(doc.modbusWorkingCopy(), "mdt bytes");
        fs::create_directories(doc.unsavedPictureFolder());
        write(doc.unsavedPictureFolder() / "logo.bmp", "BM");
        doc.setModified();
        ASSERT_TRUE(doc.save(file));
        EXPECT_FALSE(doc.modified());
        EXPECT_EQ(doc.title(), "Press.zvd");
        // 286 bytes of a new project + a page block of 36 + a bar of 8 + 28 + 20 filler, in blocks
        EXPECT_EQ(fs::file_size(file), 384u);
        // The pictures of a project saved in the work folder itself stay when the document
        // closes: only the unsaved project's own folder goes.
        fs::create_directories(paths->workFolder() / "pic");
        write(paths->workFolder() / "pic" / "mixer.bmp", "BM");
        doc.close();
        EXPECT_FALSE(fs::exists(doc.unsavedPictureFolder()));
        EXPECT_EQ(read(paths->workFolder() / "pic" / "mixer.bmp"), "BM");
    }
    EXPECT_EQ(read(file.parent_path() / "Press.mdt"), "mdt bytes");
    EXPECT_EQ(read(file.parent_path() / "pic" / "logo.bmp"), "BM");

    CZorvEditorDoc doc(prompt, *paths);
    ASSERT_TRUE(doc.open(file));
    EXPECT_EQ(doc.project().pageCount(), 1);
    EXPECT_EQ(doc.project().page(0)->widgets[0].kind, WidgetKind::Bar);
    EXPECT_EQ(read(doc.modbusWorkingCopy()), "mdt bytes");
    EXPECT_EQ(doc.path(), file);
    EXPECT_TRUE(prompt.texts.empty());
    EXPECT_EQ(tempFiles(), 0);
}

// A working copy of 1024 bytes or more (a table an earlier save left beside the project, or one
// kept elsewhere) is refused with the table's message: the table beside the project stays the
// last good one, a new folder gets none, and the project itself is saved.
TEST_F(DocumentTest, ATableTooLargeForThePanelIsNotSavedBesideTheProject) {
    ScriptedPrompt prompt;
    const fs::path file = root / "projects" / "Press.zvd";
    const fs::path table = root / "projects" / "Press.mdt";
    const std::string good(74, 'g');
    CZorvEditorDoc doc(prompt, *paths);
    write(doc.modbusWorkingCopy(), good);
    ASSERT_TRUE(doc.save(file));
    write(doc.modbusWorkingCopy(), std::string(1024, 'x'));
    doc.project().addPage(2, PlaceMode::Insert);
    ASSERT_TRUE(doc.save(file));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{kModbusTooLargeMessage});
    EXPECT_EQ(read(table), good);
    EXPECT_GT(fs::file_size(file), 288u); // the new page went into the project file

    ASSERT_TRUE(doc.saveAs({root / "projects" / "copy", "Press"}));
    EXPECT_FALSE(fs::exists(root / "projects" / "copy" / "Press.mdt"));
    EXPECT_EQ(prompt.texts.size(), 2u);

    write(doc.modbusWorkingCopy(), std::string(1023, 'y'));
    ASSERT_TRUE(doc.save(file));
    EXPECT_EQ(read(table), std::string(1023, 'y'));
    EXPECT_EQ(prompt.texts.size(), 2u);

    // The 393,284 bytes an earlier save could leave: opened as they are, never saved again.
    write(table, std::string(393284, 'z'));
    ASSERT_TRUE(doc.open(file));
    ASSERT_TRUE(doc.saveAs({root / "projects" / "again", "Press"}));
    EXPECT_FALSE(fs::exists(root / "projects" / "again" / "Press.mdt"));
    EXPECT_EQ(prompt.texts.size(), 3u);
}

// A project file whose pages share a number (crafted, or saved by a version that took such
// pages in) is refused with the number and both pages named; the open project stays.
TEST_F(DocumentTest, PagesSharingANumberAreRefusedOnOpen) {
    CHCData twins;
    twins.addPage(5, PlaceMode::Insert);
    twins.appendPage(std::make_unique<CPage>(5));
    const fs::path file = root / "projects" / "twins.zvd";
    ASSERT_TRUE(fileops::writeFile(file, encipherProject(projectStream(twins))));
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    doc.project().addPage(1, PlaceMode::Insert);
    EXPECT_FALSE(doc.open(file));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{
                                std::string(docmsg::kFormatError) + "\n" + file.string() +
                                "\nThe file holds page number 5 twice, in pages 1 and 2 of "
                                "the 2 pages it holds: each page needs a number of its own."});
    ASSERT_EQ(doc.project().pageCount(), 1);
    EXPECT_EQ(doc.project().page(0)->number(), 1);
}

TEST_F(DocumentTest, ReadOnlyTargetIsLeftAloneOnNo) {
    const fs::path file = root / "projects" / "p.zvd";
    write(file, "previous");
    ::chmod(file.c_str(), 0444);
    ScriptedPrompt no({PromptAnswer::No});
    CZorvEditorDoc doc(no, *paths);
    EXPECT_FALSE(doc.save(file));
    EXPECT_EQ(no.texts, std::vector<std::string>{docmsg::kReadOnlyTarget});
    EXPECT_EQ(read(file), "previous");

    ScriptedPrompt yes({PromptAnswer::Yes});
    CZorvEditorDoc doc2(yes, *paths);
    EXPECT_TRUE(doc2.save(file));
    EXPECT_EQ(fs::file_size(file), 288u);
}

TEST_F(DocumentTest, FailedSaveKeepsThePreviousFile) {
    const fs::path file = root / "projects" / "p.zvd";
    write(file, "previous");
    FixedPaths noTemp(root / "program", root / "work", root / "missing");
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, noTemp);
    doc.setModified();
    EXPECT_FALSE(doc.save(file));
    EXPECT_EQ(prompt.texts.back(), docmsg::kTargetOpenFailed);
    EXPECT_EQ(read(file), "previous");
    EXPECT_TRUE(doc.modified());
    // Nothing of the attempt is left in the project's folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "projects"), fs::directory_iterator()),
              1);
}

// A disk that is full stands behind every temporary file: each is a link to /dev/full.
class FullDiskPaths : public FixedPaths {
public:
    using FixedPaths::FixedPaths;
    std::optional<fs::path> makeTempFile(const fs::path& folder,
                                         const std::string& prefix) const override {
        const fs::path link = folder / (prefix + "full");
        std::error_code ec;
        fs::create_symlink("/dev/full", link, ec);
        return ec ? std::nullopt : std::optional(link);
    }
};

// A save the disk refuses keeps the system's first line and names the file and the reason.
TEST_F(DocumentTest, FailedSaveNamesTheReason) {
    const fs::path file = root / "projects" / "p.zvd";
    write(file, "previous");
    FullDiskPaths full(root / "program", root / "work", root / "temp");
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, full);
    doc.setModified();
    EXPECT_FALSE(doc.save(file));
    EXPECT_EQ(prompt.texts.back(), std::string(docmsg::kTargetOpenFailed) + "\n" +
                                       (root / "temp" / "zvdfull").string() +
                                       "\nNo space left on device");
    EXPECT_EQ(read(file), "previous");
    EXPECT_TRUE(doc.modified());
    EXPECT_EQ(tempFiles(), 0);
    EXPECT_TRUE(fs::exists("/dev/full"));

    // The project file's own place is taken by a folder.
    const fs::path folder = root / "projects" / "folder.zvd";
    fs::create_directories(folder);
    ScriptedPrompt second;
    CZorvEditorDoc doc2(second, *paths);
    EXPECT_FALSE(doc2.save(folder));
    EXPECT_EQ(second.texts.back(),
              std::string(docmsg::kTargetOpenFailed) + "\n" + folder.string() + "\nIs a directory");
}

TEST_F(DocumentTest, FailedOpensKeepTheOpenProject) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
        const char* reason;
    };
    const std::vector<Case> cases{
        {"garbage of whole blocks", std::string(64, 'x'), docmsg::kFormatError,
         "The file does not begin with the header of a project file."},
        {"project cut in its header", projectFileCutTo(64), docmsg::kFormatError,
         "The file is too short to hold the header of a project file."},
        {"torn file", std::string(13, 'x'), docmsg::kOpenFailed,
         "The file cannot be deciphered: its size of 13 bytes is not a multiple of 8."},
    };
    const fs::path good = root / "projects" / "good.zvd";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path file = root / "projects" / "bad.zvd";
        write(file, c.bytes);
        // The open project's unsaved edit survives the answer No and the failed open.
        ScriptedPrompt prompt({PromptAnswer::No});
        CZorvEditorDoc doc(prompt, *paths);
        ASSERT_TRUE(doc.save(good));
        doc.project().addPage(1, PlaceMode::Insert);
        doc.setModified();
        EXPECT_FALSE(doc.open(file));
        // The message names the file and the reason below the system's own line.
        const std::string message = std::string(c.message) + "\n" + file.string() + "\n" + c.reason;
        EXPECT_EQ(prompt.texts, (std::vector<std::string>{docmsg::kSaveChanges, message}));
        EXPECT_EQ(doc.project().pageCount(), 1);
        EXPECT_EQ(doc.path(), good);
        EXPECT_EQ(doc.title(), "good.zvd");
        EXPECT_TRUE(doc.modified());
        EXPECT_EQ(read(file), c.bytes);
        EXPECT_EQ(tempFiles(), 0);
    }
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    const fs::path none = root / "projects" / "none.zvd";
    EXPECT_FALSE(doc.open(none));
    EXPECT_EQ(prompt.texts,
              std::vector<std::string>{std::string(docmsg::kOpenFailed) + "\n" + none.string() +
                                       "\nNo such file or directory"});
}

// Places that are no readable project file: a folder, a file whose read fails as a failing disk's
// does, a named pipe that would hold the open for ever, a loop of links. Open and Import both
// name the reason and leave the open project with its unsaved edit.
TEST_F(DocumentTest, UnreadablePlacesKeepTheOpenProject) {
    const fs::path folder = root / "projects" / "folder.zvd";
    const fs::path pipe = root / "projects" / "pipe.zvd";
    const fs::path loop = root / "projects" / "loop.zvd";
    fs::create_directories(folder);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    fs::create_symlink(loop.filename(), loop);
    const std::vector<std::pair<fs::path, std::string>> places{
        {folder, "Is a directory"},
        {"/proc/self/mem", "Input/output error"},
        {pipe, "Is a named pipe, not a file"},
        {loop, "Too many levels of symbolic links"},
    };
    DocumentHooks hooks;
    hooks.translate = [](std::span<const uint8_t>, CHCData&) { return 0; };
    for (const auto& [place, reason] : places) {
        SCOPED_TRACE(place.string());
        ScriptedPrompt prompt({PromptAnswer::No});
        CZorvEditorDoc doc(prompt, *paths, hooks);
        doc.project().addPage(7, PlaceMode::Insert);
        doc.setModified();
        const std::string message =
            std::string(docmsg::kOpenFailed) + "\n" + place.string() + "\n" + reason;
        EXPECT_FALSE(doc.open(place));
        EXPECT_FALSE(doc.importOld(place));
        // Open asks about the edit first; Import reads before it asks.
        EXPECT_EQ(prompt.texts,
                  (std::vector<std::string>{docmsg::kSaveUntitledChanges, message, message}));
        ASSERT_EQ(doc.project().pageCount(), 1);
        EXPECT_TRUE(doc.modified());
        EXPECT_EQ(tempFiles(), 0);
    }
}

TEST_F(DocumentTest, SaveModifiedAsksAndCancelStops) {
    const fs::path file = root / "projects" / "p.zvd";
    ScriptedPrompt prompt({PromptAnswer::Cancel, PromptAnswer::No});
    CZorvEditorDoc doc(prompt, *paths);
    ASSERT_TRUE(doc.save(file));
    doc.project().addPage(1, PlaceMode::Insert);
    doc.setModified();
    EXPECT_FALSE(doc.newProject()); // Cancel
    EXPECT_EQ(doc.project().pageCount(), 1);
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(doc.newProject()); // No: discarded
    EXPECT_EQ(doc.project().pageCount(), 0);
    EXPECT_EQ(prompt.texts, std::vector<std::string>(2, docmsg::kSaveChanges));
    EXPECT_EQ(fs::file_size(file), 288u); // the discarded page never reached the file
}

TEST_F(DocumentTest, UntitledProjectIsAskedAboutBeforeItsSaveDialog) {
    // Yes opens the save dialog, whose Cancel stops the command with the work kept; Cancel
    // stays; No discards.
    ScriptedPrompt prompt(
        {PromptAnswer::Yes, PromptAnswer::Cancel, PromptAnswer::No, PromptAnswer::Yes});
    DocumentHooks hooks;
    bool dialogCancelled = true;
    hooks.askSaveTarget = [&]() -> std::optional<SaveTarget> {
        if (dialogCancelled)
            return std::nullopt;
        return SaveTarget{root / "projects" / "new", "Mixer"};
    };
    std::vector<fs::path> recent;
    hooks.addRecentFile = [&](const fs::path& p) { recent.push_back(p); };
    CZorvEditorDoc doc(prompt, *paths, hooks);
    doc.project().addPage(4, PlaceMode::Insert);
    doc.setModified();
    EXPECT_FALSE(doc.newProject()); // Yes, then the save dialog cancelled
    EXPECT_FALSE(doc.newProject()); // Cancel
    EXPECT_EQ(doc.project().pageCount(), 1);
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(doc.newProject()); // No
    EXPECT_EQ(doc.project().pageCount(), 0);
    EXPECT_EQ(prompt.texts, std::vector<std::string>(3, docmsg::kSaveUntitledChanges));

    doc.project().addPage(4, PlaceMode::Insert);
    doc.setModified();
    dialogCancelled = false;
    EXPECT_TRUE(doc.newProject()); // Yes, saved where the dialog says
    EXPECT_TRUE(fs::exists(root / "projects" / "new" / "Mixer.zvd"));
    EXPECT_EQ(recent.size(), 1u);
}

TEST_F(DocumentTest, PicturesFollowTheProjectToANewFolder) {
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    fs::create_directories(doc.unsavedPictureFolder());
    write(doc.unsavedPictureFolder() / "logo.bmp", "BM1");
    const fs::path first = root / "projects" / "a" / "Press.zvd";
    const fs::path second = root / "projects" / "b" / "Press.zvd";
    ASSERT_TRUE(doc.save(first));
    // A picture added after the first save lives only beside the first file.
    write(first.parent_path() / "pic" / "fan.bmp", "BM2");
    ASSERT_TRUE(doc.save(second));
    EXPECT_EQ(read(second.parent_path() / "pic" / "logo.bmp"), "BM1");
    EXPECT_EQ(read(second.parent_path() / "pic" / "fan.bmp"), "BM2");
    ASSERT_TRUE(doc.save(second)); // the same folder again copies nothing onto itself
    EXPECT_EQ(read(second.parent_path() / "pic" / "fan.bmp"), "BM2");

    // A new project starts without the pictures of the one before.
    EXPECT_TRUE(doc.newProject());
    EXPECT_FALSE(fs::exists(doc.unsavedPictureFolder() / "logo.bmp"));
}

TEST_F(DocumentTest, FailedSaveFromTheSaveDialogStopsThePendingCommand) {
    // The chosen folder cannot be made: a file stands where it would be.
    write(root / "projects" / "blocked", "file");
    ScriptedPrompt prompt;
    DocumentHooks hooks;
    hooks.askSaveTarget = [&] { return SaveTarget{root / "projects" / "blocked", "Mixer"}; };
    ScriptedPrompt yes({PromptAnswer::Yes});
    CZorvEditorDoc doc(yes, *paths, hooks);
    doc.project().addPage(1, PlaceMode::Insert);
    doc.setModified();
    EXPECT_FALSE(doc.newProject());
    EXPECT_EQ(doc.project().pageCount(), 1);
    EXPECT_TRUE(doc.modified());
}

TEST_F(DocumentTest, FailedImportLeavesTheNewProject) {
    const fs::path old = root / "projects" / "old.qsp";
    write(old, "QSP");
    ScriptedPrompt prompt;
    DocumentHooks hooks;
    hooks.translate = [](std::span<const uint8_t>, CHCData& p) {
        p.addPage(1, PlaceMode::Insert);
        return -1;
    };
    CZorvEditorDoc doc(prompt, *paths, hooks);
    EXPECT_FALSE(doc.importOld(old));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{docmsg::kImportFailed});
    EXPECT_EQ(doc.project().pageCount(), 0);
}

TEST_F(DocumentTest, ReportFailureIsShown) {
    ScriptedPrompt prompt;
    CZorvEditorDoc doc(prompt, *paths);
    EXPECT_FALSE(doc.openReport());
    EXPECT_EQ(prompt.texts, std::vector<std::string>{docmsg::kReportFailed});
}
