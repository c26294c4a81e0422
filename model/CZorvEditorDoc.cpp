#include "model/CZorvEditorDoc.h"

#include "model/FileOps.h"
#include "model/ModbusTableLimit.h"
#include "model/OpenFailure.h"
#include "model/PictureFiles.h"
#include "model/ProjectCipher.h"
#include "model/ProjectFileReader.h"
#include "model/ProjectStream.h"
#include "model/SideFiles.h"
#include "model/history/ProjectHistory.h"
#include "model/tags/TagFile.h"
#include "platform/MemorySource.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

constexpr int kTempNameAttempts = 10;

std::string titleOf(const fs::path& path) {
    return path.stem().string() + ".zvd";
}

fs::path modbusTableOf(const fs::path& project) {
    fs::path mdt = project;
    return mdt.replace_extension(".mdt");
}

// The plain stream through its temporary file: written, read back and removed; a failure names
// the system's reason.
FileContents throughTempFile(const fs::path& temp, std::span<const uint8_t> plain) {
    FileContents reread;
    if (fileops::writeFile(temp, plain, &reread.failure))
        reread = readWholeFile(temp);
    fileops::removeFile(temp);
    return reread;
}

} // namespace

CZorvEditorDoc::CZorvEditorDoc(Prompt& prompt, const Paths& paths, DocumentHooks hooks)
    : prompt_(prompt), paths_(paths), hooks_(std::move(hooks)),
      project_(std::make_unique<CHCData>()) {
    makeModbusWorkingCopy();
}

CZorvEditorDoc::~CZorvEditorDoc() {
    if (!modbusCopy_.empty())
        fileops::removeFile(modbusCopy_);
}

fs::path CZorvEditorDoc::unsavedProjectFolder() const {
    return paths_.workFolder() / "unsaved";
}

fs::path CZorvEditorDoc::projectFolder() const {
    return path_.empty() ? unsavedProjectFolder() : path_.parent_path();
}

void CZorvEditorDoc::replaceProject(std::unique_ptr<CHCData> project) {
    if (hooks_.dropProjectReference)
        hooks_.dropProjectReference();
    project_ = project ? std::move(project) : std::make_unique<CHCData>();
}

void CZorvEditorDoc::makeModbusWorkingCopy() {
    if (!modbusCopy_.empty())
        fileops::removeFile(modbusCopy_);
    modbusCopy_.clear();
    if (auto copy = paths_.makeTempFile(paths_.workFolder(), "Mdt"))
        modbusCopy_ = *copy;
    else
        prompt_.message(docmsg::kTempFileError);
}

std::optional<fs::path> CZorvEditorDoc::makePlainTempFile(const char* fallback) const {
    for (int i = 0; i < kTempNameAttempts; ++i) {
        if (auto name = paths_.makeTempFile(paths_.tempFolder(), "zvd"))
            return name;
    }
    const fs::path name = paths_.tempFolder() / fallback;
    if (!fileops::writeFile(name, {}))
        return std::nullopt;
    return name;
}

void CZorvEditorDoc::becomeUntitled() {
    path_.clear();
    noteDiskState();
    title_ = kNoTitle;
    setModified(false);
}

void CZorvEditorDoc::setModified(bool on) {
    modified_ = on;
    notifyState();
}

void CZorvEditorDoc::notifyState() {
    if (hooks_.stateChanged)
        hooks_.stateChanged();
}

std::unique_ptr<CHCData> CZorvEditorDoc::readProjectFile(const fs::path& path) {
    InputFile file(path);
    return readProjectSource(file, path);
}

std::unique_ptr<CHCData> CZorvEditorDoc::readProjectBytes(std::span<const uint8_t> file,
                                                          const fs::path& path) {
    MemorySource source(file);
    return readProjectSource(source, path);
}

std::unique_ptr<CHCData> CZorvEditorDoc::readProjectSource(ByteSource& file, const fs::path& path) {
    std::vector<uint8_t> plain;
    std::string message;
    if (!readProjectPlain(file, path, plain, message)) {
        prompt_.message(message);
        return nullptr;
    }
    const auto temp = makePlainTempFile("tmp2.tmp");
    if (!temp) {
        prompt_.message(docmsg::kTargetOpenFailed);
        return nullptr;
    }
    // The plain stream lives in the temporary file for the length of the open only.
    const FileContents reread = throughTempFile(*temp, plain);
    if (!reread) {
        prompt_.message(openFailureMessage(docmsg::kTargetOpenFailed, *temp, reread.failure));
        return nullptr;
    }
    auto project = std::make_unique<CHCData>();
    StreamFault fault;
    if (!readProjectStream(reread.bytes, *project, &fault)) {
        prompt_.message(openFailureMessage(docmsg::kFormatError, path, streamFaultReason(fault)));
        return nullptr;
    }
    return project;
}

bool CZorvEditorDoc::open(const fs::path& path) {
    return saveModified() && openFile(path);
}

bool CZorvEditorDoc::openFile(const fs::path& path) {
    // Taken before the read: a change in between is asked about later rather than missed.
    const DiskFingerprint seen = DiskFingerprint::of(path);
    // An unreadable file leaves the open project as it was, with its file and modified mark.
    auto project = readProjectFile(path);
    if (!project)
        return false;
    makeModbusWorkingCopy();
    replaceProject(std::move(project));
    readTags(path);
    path_ = path;
    title_ = titleOf(path);
    diskState_ = seen;
    setModified(false);
    if (!modbusCopy_.empty()) {
        const fs::path mdt = modbusTableOf(path);
        std::error_code ec;
        if (fs::exists(mdt, ec))
            fileops::copyOver(mdt, modbusCopy_);
        else
            fileops::writeFile(modbusCopy_, {});
    }
    return true;
}

bool CZorvEditorDoc::openKept(std::span<const uint8_t> projectFile, const fs::path& path,
                              std::span<const uint8_t> modbusTable,
                              const std::vector<uint8_t>* tagFile) {
    if (!saveModified())
        return false;
    auto project = readProjectBytes(projectFile, path.empty() ? fs::path(kNoTitle) : path);
    if (!project)
        return false;
    makeModbusWorkingCopy();
    replaceProject(std::move(project));
    if (tagFile)
        readKeptTags(*tagFile);
    else
        readTags(path);
    path_ = path;
    title_ = path.empty() ? kNoTitle : titleOf(path);
    noteDiskState();
    if (!modbusCopy_.empty())
        fileops::writeFile(modbusCopy_, modbusTable);
    // The kept version exists nowhere as the project file: it is unsaved work.
    setModified(true);
    return true;
}

bool CZorvEditorDoc::writeProjectFile(const fs::path& path) {
    std::error_code ec;
    if (path.has_parent_path())
        fs::create_directories(path.parent_path(), ec);
    if (fileops::isReadOnly(path)) {
        if (!prompt_.yes(docmsg::kReadOnlyTarget))
            return false;
        fileops::clearReadOnly(path);
    }
    const auto temp = makePlainTempFile("tmp1.tmp");
    if (!temp) {
        prompt_.message(docmsg::kTargetOpenFailed);
        return false;
    }
    const FileContents reread = throughTempFile(*temp, projectStream(*project_));
    if (!reread) {
        prompt_.message(openFailureMessage(docmsg::kTargetOpenFailed, *temp, reread.failure));
        return false;
    }
    const std::vector<uint8_t> file = encipherProject(reread.bytes);
    // The version this save replaces goes into the history first; a failure there never stops
    // the save.
    const std::string tagText = tagFileText(tags_);
    const std::vector<uint8_t> tagBytes(tagText.begin(), tagText.end());
    keepReplacedVersion(paths_.workFolder(), path, modbusTableOf(path), file,
                        tagFileUnread_ ? nullptr : &tagBytes);
    // The project file is replaced only once the whole new file is on disk.
    std::string failure;
    if (!fileops::replaceFile(path, file, &failure)) {
        prompt_.message(openFailureMessage(docmsg::kTargetOpenFailed, path, failure));
        return false;
    }
    modified_ = false;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    // The pictures and light bitmaps the records name go along to a new folder.
    const fs::path pictures = pictureFolder(projectFolder());
    std::error_code same;
    if (!fs::equivalent(pictures, pictureFolder(folder), same))
        fileops::copyFolderFiles(pictures, pictureFolder(folder));
    writeTags(path);
    carrySideFile(path_, path, kPlcMapFileEnding);
    // A table too large for the panel (one read from an older save) does not go beside the
    // project: the table there stays as it was, and the project itself is saved.
    if (!modbusCopy_.empty()) {
        const auto tableSize = fs::file_size(modbusCopy_, ec);
        if (!ec && modbusTableTooLarge(tableSize))
            prompt_.message(kModbusTooLargeMessage);
        else
            fileops::copyOver(modbusCopy_, modbusTableOf(path));
    }
    title_ = titleOf(path);
    if (hooks_.addRecentFile)
        hooks_.addRecentFile(path);
    path_ = path;
    // The editor's own bytes: a program that writes the file after them is still noticed.
    diskState_ = DiskFingerprint::written(path, file);
    notifyState();
    return true;
}

bool CZorvEditorDoc::save(const fs::path& path) {
    // A save over the project's own file never overwrites another program's change unasked.
    std::error_code ec;
    if (!path_.empty() && fs::equivalent(path, path_, ec) && !settleDiskChange())
        return false;
    return writeProjectFile(path);
}

bool CZorvEditorDoc::changedOnDisk() const {
    if (path_.empty())
        return false;
    const DiskFingerprint now = DiskFingerprint::of(path_);
    return now.exists && !sameVersion(now, diskState_);
}

void CZorvEditorDoc::noteDiskState() {
    diskState_ = path_.empty() ? DiskFingerprint{} : DiskFingerprint::of(path_);
}

bool CZorvEditorDoc::settleDiskChange() {
    if (!changedOnDisk())
        return true;
    const bool reload = prompt_.choose(docmsg::kChangedOnDisk, docmsg::kReload, docmsg::kKeepMine);
    // The user gave up the edits in memory: no save question comes first.
    if (reload && openFile(fs::path(path_))) {
        if (hooks_.diskChangeSettled)
            hooks_.diskChangeSettled(true);
        return false;
    }
    // Kept, or a reload that failed and has said why: the project in memory is what the next
    // save writes, over the version seen now.
    noteDiskState();
    setModified(true);
    if (hooks_.diskChangeSettled)
        hooks_.diskChangeSettled(false);
    return !reload;
}

bool CZorvEditorDoc::saveAs(const SaveTarget& target) {
    std::error_code ec;
    fs::create_directories(target.folder, ec);
    return save(target.folder / (target.name + ".zvd"));
}

bool CZorvEditorDoc::saveModified() {
    return saveModified(path_.empty() ? docmsg::kSaveUntitledChanges : docmsg::kSaveChanges);
}

bool CZorvEditorDoc::saveModified(const char* question) {
    if (!modified_)
        return true;
    switch (prompt_.ask(question, PromptButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        return path_.empty() ? saveUntitled() : save(path_);
    case PromptAnswer::Cancel:
        return false;
    default:
        return true;
    }
}

bool CZorvEditorDoc::saveUntitled() {
    const std::optional<SaveTarget> target = askSaveTarget();
    return target && !target->name.empty() && saveAs(*target);
}

bool CZorvEditorDoc::newProject() {
    if (!saveModified())
        return false;
    resetToNewProject();
    return true;
}

void CZorvEditorDoc::resetToNewProject() {
    becomeUntitled();
    replaceProject(nullptr);
    readTags({});
    makeModbusWorkingCopy();
    // Pictures left by an earlier project without a file must not reach this one's first save.
    clearUnsavedPictures();
}

std::optional<SaveTarget> CZorvEditorDoc::askSaveTarget() {
    return hooks_.askSaveTarget ? hooks_.askSaveTarget() : std::nullopt;
}

bool CZorvEditorDoc::importOld(const fs::path& path, bool saveAsked) {
    // A file that cannot be read leaves the open project as it was, as Open does.
    const FileContents file = readWholeFile(path);
    if (!file) {
        prompt_.message(openFailureMessage(docmsg::kOpenFailed, path, file.failure));
        return false;
    }
    if (!saveAsked && !saveModified())
        return false;
    resetToNewProject();
    // The translation fills a project of its own, so a failure leaves the new, empty one.
    auto project = std::make_unique<CHCData>();
    if (!hooks_.translate || hooks_.translate(file.bytes, *project) < 0) {
        prompt_.message(docmsg::kImportFailed);
        return false;
    }
    replaceProject(std::move(project));
    // The imported project exists nowhere else yet.
    setModified(true);
    return true;
}

void CZorvEditorDoc::clearUnsavedPictures() {
    std::error_code ec;
    const fs::path pictures = unsavedPictureFolder();
    if (fs::is_directory(pictures, ec)) {
        for (const auto& entry : fs::directory_iterator(pictures, ec))
            fileops::clearReadOnly(entry.path());
        fs::remove_all(pictures, ec);
    }
}

void CZorvEditorDoc::close() {
    clearUnsavedPictures();
    if (!modbusCopy_.empty())
        fileops::removeFile(modbusCopy_);
    modbusCopy_.clear();
}

void CZorvEditorDoc::showFile(const fs::path& file) {
    if (hooks_.openFile)
        hooks_.openFile(file);
}

bool CZorvEditorDoc::openReport() {
    const auto report =
        hooks_.makeReport ? hooks_.makeReport(*project_, modbusCopy_, title_) : std::nullopt;
    if (!report) {
        prompt_.message(docmsg::kReportFailed);
        return false;
    }
    if (hooks_.openFile)
        hooks_.openFile(*report);
    return true;
}

} // namespace zorv
