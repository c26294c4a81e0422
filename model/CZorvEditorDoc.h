#pragma once
// The document: one project, the path of its file and the Modbus working copy, with the file
// commands new, open, save, save as, reload, import and close.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "model/CHCData.h"
#include "model/DiskFingerprint.h"
#include "model/tags/TagTable.h"
#include "platform/FileRead.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"

namespace zorv {

namespace docmsg {
inline constexpr const char* kTempFileError = "Error to create temp file!";
inline constexpr const char* kOpenFailed = "Failed to open file!";
inline constexpr const char* kTargetOpenFailed = "Failed to open the target file!";
inline constexpr const char* kFormatError = "File format error, open failed!";
inline constexpr const char* kReadOnlyTarget =
    "The target file is read only, do you want to continue?";
inline constexpr const char* kSaveChanges = "Save changes in the current project";
// Asked of a project that has no file yet, as on leaving the editor.
inline constexpr const char* kSaveUntitledChanges = "Save the changes made by the project";
inline constexpr const char* kImportFailed = "Failed to recognize the file format, import failed!";
inline constexpr const char* kReportFailed = " Failed to Create Report!";
inline constexpr const char* kChangedOnDisk =
    "The project file was changed by another program since it was opened.";
inline constexpr const char* kReload = "Reload";
inline constexpr const char* kKeepMine = "Keep mine";
inline constexpr const char* kTagFileUnreadable =
    "The tags beside the project cannot be read; the tag file is kept as it is.";
} // namespace docmsg

// Where the save dialog puts a project: the save folder and the project name (without ".zvd").
struct SaveTarget {
    std::filesystem::path folder;
    std::string name;
};

// What the document asks of the windows around it.
struct DocumentHooks {
    // The editing view lets go of the project before it is replaced.
    std::function<void()> dropProjectReference;
    std::function<void(const std::filesystem::path&)> addRecentFile;
    // The save dialog (project name and save folder); nothing when cancelled.
    std::function<std::optional<SaveTarget>()> askSaveTarget;
    // Translates an older project into `project`; negative on failure.
    std::function<int(std::span<const uint8_t> file, CHCData& project)> translate;
    // Writes the report file of the project (project section, then the Modbus section of the
    // working copy) and gives its path; nothing when it could not be made (the document then
    // shows the failure, so the hook shows no message of its own).
    std::function<std::optional<std::filesystem::path>(
        const CHCData& project, const std::filesystem::path& modbusTable, const std::string& title)>
        makeReport;
    // The system's "open" action for a file.
    std::function<void(const std::filesystem::path&)> openFile;
    // The title or the modified flag may have changed (the window's caption follows).
    std::function<void()> stateChanged;
    // The project file changed on disk and the user chose: `reloaded`, the editing view shows
    // the project anew and its undo history starts afresh; kept, no undo leads back to a state
    // that matches the file any more.
    std::function<void(bool reloaded)> diskChangeSettled;
};

class CZorvEditorDoc {
public:
    static constexpr const char* kNoTitle = "No title";

    CZorvEditorDoc(Prompt& prompt, const Paths& paths, DocumentHooks hooks = {});
    ~CZorvEditorDoc();
    CZorvEditorDoc(const CZorvEditorDoc&) = delete;
    CZorvEditorDoc& operator=(const CZorvEditorDoc&) = delete;

    // Each returns false when the command failed or was cancelled.
    bool newProject();
    bool open(const std::filesystem::path& path);
    // Saves under `path`; the pictures go along when the folder is a new one.
    bool save(const std::filesystem::path& path);
    // Saves to the save folder + name + ".zvd", creating the folder.
    bool saveAs(const SaveTarget& target);
    // Asked before new, open, import and download: Yes saves (through the save dialog when the
    // project has no file; cancelling it stops the command), No goes on without saving, Cancel
    // stops. False stops the pending command.
    bool saveModified();
    // The same with the question given (leaving the editor asks its own).
    bool saveModified(const char* question);
    // Saves a project without a file through the save dialog; false when cancelled or failed.
    bool saveUntitled();
    // The save dialog's folder and name for a project without a file; nothing when cancelled.
    std::optional<SaveTarget> askSaveTarget();
    // Opens the bytes of a project file kept elsewhere (a recovery snapshot, an earlier version)
    // as a modified project that belongs to `path` (empty: one without a file), with `modbusTable`
    // as its working Modbus table and the tags of `tagFile` (when given; else those beside
    // `path`); asks about pending changes first, as Open does.
    bool openKept(std::span<const uint8_t> projectFile, const std::filesystem::path& path,
                  std::span<const uint8_t> modbusTable,
                  const std::vector<uint8_t>* tagFile = nullptr);
    // Reads the older project first, so that a file that cannot be read leaves the open project
    // as it was; `saveAsked`: the save question was answered before the file was chosen.
    bool importOld(const std::filesystem::path& path, bool saveAsked = false);
    void close();
    // Makes the statistical report and opens it.
    bool openReport();
    // The system's "open" action for a file the editor made (a report).
    void showFile(const std::filesystem::path& file);

    CHCData& project() { return *project_; }
    const CHCData& project() const { return *project_; }
    const std::filesystem::path& path() const { return path_; }
    const std::string& title() const { return title_; }
    bool modified() const { return modified_; }
    void setModified(bool on = true);
    const std::filesystem::path& modbusWorkingCopy() const { return modbusCopy_; }
    // The tags of the tag file beside the project: read on open, written beside the project
    // file by every save (so they travel with Save As).
    const TagTable& tags() const { return tags_; }
    // The next save writes them, so the project counts as modified.
    void setTags(TagTable tags);
    // Whether the tag file beside the project could not be read; it is then kept as it is.
    bool tagFileUnread() const { return tagFileUnread_; }
    // Whether another program changed the project file since the editor last read or wrote it
    // (or kept its own project over that version). A file deleted or moved away is no change:
    // the next save writes it again.
    bool changedOnDisk() const;
    // The project file as it is now is the version the project in memory stands for.
    void noteDiskState();
    // Asks "Reload" or "Keep mine" when the project file changed on disk. Reload reads it again
    // (the project in memory and its edits are gone); Keep mine keeps the project, marked
    // modified, and that version is not asked about again, so the next save writes over it.
    // True when nothing changed or the project was kept: a pending save may go on. False when
    // the file was reloaded, or a reload failed (it has said why, and the project is kept).
    bool settleDiskChange();
    // A project without a file keeps its pictures in the "pic" folder of this folder of its own
    // in the work folder until its first save, apart from the pictures of any project saved in
    // the work folder itself.
    std::filesystem::path unsavedProjectFolder() const;
    std::filesystem::path unsavedPictureFolder() const { return unsavedProjectFolder() / "pic"; }
    // Where the project's pictures live: beside its file, or the unsaved project folder.
    std::filesystem::path projectFolder() const;

private:
    void replaceProject(std::unique_ptr<CHCData> project);
    // Open without the save question.
    bool openFile(const std::filesystem::path& path);
    void makeModbusWorkingCopy();
    // Open steps: read, decipher through the temporary plain file, read the stream.
    std::unique_ptr<CHCData> readProjectFile(const std::filesystem::path& path);
    // The same from the file's bytes; `path` names the file in messages.
    std::unique_ptr<CHCData> readProjectBytes(std::span<const uint8_t> file,
                                              const std::filesystem::path& path);
    std::unique_ptr<CHCData> readProjectSource(ByteSource& file, const std::filesystem::path& path);
    std::optional<std::filesystem::path> makePlainTempFile(const char* fallback) const;
    bool writeProjectFile(const std::filesystem::path& path);
    void becomeUntitled();
    // A new, empty project without a file, as New makes it once the save question is answered.
    void resetToNewProject();
    void clearUnsavedPictures();
    void notifyState();
    // The tags beside `project` (none for a project without a file).
    void readTags(const std::filesystem::path& project);
    // The tags of a kept tag file's bytes (a recovered or earlier version).
    void readKeptTags(std::span<const uint8_t> tagFile);
    void writeTags(const std::filesystem::path& project);

    Prompt& prompt_;
    const Paths& paths_;
    DocumentHooks hooks_;
    std::unique_ptr<CHCData> project_;
    std::filesystem::path path_;
    std::string title_ = kNoTitle;
    bool modified_ = false;
    std::filesystem::path modbusCopy_;
    DiskFingerprint diskState_;
    TagTable tags_;
    // The tag file could not be read: saves leave it as it is, and Save As copies it along.
    bool tagFileUnread_ = false;
};

} // namespace zorv
