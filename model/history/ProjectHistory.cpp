#include "model/history/ProjectHistory.h"

#include <algorithm>
#include <map>
#include <sys/stat.h>

#include "model/CHCData.h"
#include "model/FileOps.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
#include "model/SideFiles.h"
#include "model/history/HistoryNames.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

constexpr const char* kProjectEnding = ".zvd";
constexpr const char* kTableEnding = ".mdt";

uint64_t sizeOf(const fs::path& file) {
    std::error_code ec;
    const uintmax_t size = fs::file_size(file, ec);
    return ec ? 0 : uint64_t(size);
}

// A whole file of at most `limit` bytes; nothing when it is larger, missing or unreadable.
std::optional<std::vector<uint8_t>> readAtMost(const fs::path& file, uint64_t limit) {
    std::error_code ec;
    const uintmax_t size = fs::file_size(file, ec);
    if (ec || size > limit)
        return std::nullopt;
    auto bytes = fileops::readFile(file);
    if (!bytes || bytes->size() > limit)
        return std::nullopt;
    return bytes;
}

// A file kept beside a version: nothing when there is none (an empty path), false when there
// is one that cannot be read whole.
bool readBeside(const fs::path& file, uint64_t limit, std::optional<std::vector<uint8_t>>& bytes) {
    bytes.reset();
    if (file.empty())
        return true;
    bytes = readAtMost(file, limit);
    return bytes.has_value();
}

int64_t modificationTime(const fs::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? int64_t(st.st_mtime) : 0;
}

} // namespace

int projectFilePages(std::span<const uint8_t> projectFile) {
    std::vector<uint8_t> plain;
    CHCData project;
    if (!decipherProject(projectFile, plain) || !readProjectStream(plain, project))
        return -1;
    return project.pageCount();
}

ProjectHistory::ProjectHistory(const fs::path& workFolder, const fs::path& projectFile,
                               HistoryLimits limits)
    : folder_(historyFolder(workFolder, projectFile)), limits_(limits) {}

std::vector<ProjectHistory::Entry> ProjectHistory::entries() const {
    std::map<uint64_t, Entry> byNumber;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (!it->is_regular_file(kind))
            continue;
        const fs::path& file = it->path();
        const std::string name = file.filename().string();
        // The project file and the files kept beside it, by the ending of their names.
        static constexpr struct {
            std::string_view ending;
            fs::path Entry::*path;
        } kKinds[] = {{kProjectEnding, &Entry::projectFile},
                      {kTableEnding, &Entry::modbusTable},
                      {kTagFileEnding, &Entry::tagFile}};
        for (const auto& keptKind : kKinds) {
            if (!name.ends_with(keptKind.ending))
                continue;
            const auto version = parseVersionStem(
                std::string_view(name).substr(0, name.size() - keptKind.ending.size()));
            if (!version)
                break;
            Entry& entry = byNumber[version->number];
            entry.number = version->number;
            entry.bytes += sizeOf(file);
            entry.*keptKind.path = file;
            if (keptKind.path == &Entry::projectFile)
                entry.savedAt = version->savedAt;
            break;
        }
    }
    std::vector<Entry> list;
    for (auto& [number, entry] : byNumber)
        list.push_back(std::move(entry));
    return list;
}

bool ProjectHistory::keep(std::span<const uint8_t> projectFile,
                          const std::vector<uint8_t>* modbusTable, int64_t savedAt,
                          const std::vector<uint8_t>* tagFile) {
    const uint64_t bytes = projectFile.size() + (modbusTable ? modbusTable->size() : 0) +
                           (tagFile ? tagFile->size() : 0);
    if (limits_.versions == 0 || bytes > limits_.bytes)
        return false;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    const std::vector<Entry> kept = entries();
    const uint64_t number = kept.empty() ? 1 : kept.back().number + 1;
    const std::string stem = versionStem({number, savedAt});
    // The files beside the project go first: a version is listed once its project file is there.
    const fs::path table = folder_ / (stem + kTableEnding);
    const fs::path tags = folder_ / (stem + std::string(kTagFileEnding));
    const auto removeBeside = [&] {
        fileops::removeFile(table);
        fileops::removeFile(tags);
    };
    if ((modbusTable && !fileops::replaceFile(table, *modbusTable)) ||
        (tagFile && !fileops::replaceFile(tags, *tagFile)) ||
        !fileops::replaceFile(folder_ / (stem + kProjectEnding), projectFile)) {
        removeBeside();
        return false;
    }
    dropOldest();
    return true;
}

void ProjectHistory::Entry::removeFiles() const {
    for (const fs::path* file : {&projectFile, &modbusTable, &tagFile})
        if (!file->empty())
            fileops::removeFile(*file);
}

void ProjectHistory::dropOldest() {
    std::vector<Entry> kept = entries();
    // A table without its project file is what an interrupted keep left.
    std::erase_if(kept, [](const Entry& entry) {
        if (!entry.projectFile.empty())
            return false;
        entry.removeFiles();
        return true;
    });
    uint64_t total = 0;
    for (const Entry& entry : kept)
        total += entry.bytes;
    std::size_t count = kept.size();
    for (const Entry& entry : kept) {
        if (count <= limits_.versions && total <= limits_.bytes)
            break;
        entry.removeFiles();
        --count;
        total -= entry.bytes;
    }
}

std::vector<KeptVersion> ProjectHistory::versions() const {
    std::vector<KeptVersion> list;
    for (const Entry& entry : entries()) {
        if (entry.projectFile.empty())
            continue;
        const auto bytes = readAtMost(entry.projectFile, limits_.bytes);
        const int pages = bytes ? projectFilePages(*bytes) : -1;
        if (pages < 0)
            continue;
        list.push_back({entry.number, entry.savedAt, bytes->size(), pages, entry.projectFile,
                        entry.modbusTable, entry.tagFile});
    }
    return list;
}

bool ProjectHistory::read(const KeptVersion& version, KeptFiles& files) const {
    auto project = readAtMost(version.projectFile, limits_.bytes);
    if (!project)
        return false;
    std::optional<std::vector<uint8_t>> table, tags;
    if (!readBeside(version.modbusTable, limits_.bytes, table) ||
        !readBeside(version.tagFile, limits_.bytes, tags))
        return false;
    files.projectFile = std::move(*project);
    files.modbusTable = std::move(table);
    files.tagFile = std::move(tags);
    return true;
}

bool keepReplacedVersion(const fs::path& workFolder, const fs::path& projectFile,
                         const fs::path& modbusTable, std::span<const uint8_t> newProjectFile,
                         const std::vector<uint8_t>* newTagFile) {
    std::error_code ec;
    if (!fs::exists(projectFile, ec))
        return true;
    const HistoryLimits limits;
    const auto current = readAtMost(projectFile, limits.bytes);
    if (!current)
        return false;
    std::optional<std::vector<uint8_t>> table, tags;
    if (!readBeside(fs::exists(modbusTable, ec) ? modbusTable : fs::path(), limits.bytes, table))
        return false;
    const fs::path tagFile = sideFileOf(projectFile, kTagFileEnding);
    if (!readBeside(fs::exists(tagFile, ec) ? tagFile : fs::path(), limits.bytes, tags))
        return false;
    const bool projectSame =
        std::equal(current->begin(), current->end(), newProjectFile.begin(), newProjectFile.end());
    const bool tagsSame = !newTagFile || *newTagFile == tags.value_or(std::vector<uint8_t>{});
    if (projectSame && tagsSame)
        return true;
    ProjectHistory history(workFolder, projectFile, limits);
    return history.keep(*current, table ? &*table : nullptr, modificationTime(projectFile),
                        tags ? &*tags : nullptr);
}

} // namespace zorv
