#include "model/history/ProjectHistory.h"

#include <algorithm>
#include <map>
#include <sys/stat.h>

#include "model/CHCData.h"
#include "model/FileOps.h"
#include "model/ProjectCipher.h"
#include "model/ProjectStream.h"
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
        const fs::path ending = file.extension();
        if (ending != kProjectEnding && ending != kTableEnding)
            continue;
        const auto name = parseVersionStem(file.stem().string());
        if (!name)
            continue;
        Entry& entry = byNumber[name->number];
        entry.number = name->number;
        entry.bytes += sizeOf(file);
        if (ending == kProjectEnding) {
            entry.projectFile = file;
            entry.savedAt = name->savedAt;
        } else {
            entry.modbusTable = file;
        }
    }
    std::vector<Entry> list;
    for (auto& [number, entry] : byNumber)
        list.push_back(std::move(entry));
    return list;
}

bool ProjectHistory::keep(std::span<const uint8_t> projectFile,
                          const std::vector<uint8_t>* modbusTable, int64_t savedAt) {
    const uint64_t bytes = projectFile.size() + (modbusTable ? modbusTable->size() : 0);
    if (limits_.versions == 0 || bytes > limits_.bytes)
        return false;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    const std::vector<Entry> kept = entries();
    const uint64_t number = kept.empty() ? 1 : kept.back().number + 1;
    const std::string stem = versionStem({number, savedAt});
    // The table goes first: a version is listed once its project file is there.
    const fs::path table = folder_ / (stem + kTableEnding);
    if (modbusTable && !fileops::replaceFile(table, *modbusTable))
        return false;
    if (!fileops::replaceFile(folder_ / (stem + kProjectEnding), projectFile)) {
        fileops::removeFile(table);
        return false;
    }
    dropOldest();
    return true;
}

void ProjectHistory::dropOldest() {
    std::vector<Entry> kept = entries();
    // A table without its project file is what an interrupted keep left.
    std::erase_if(kept, [](const Entry& entry) {
        if (!entry.projectFile.empty())
            return false;
        fileops::removeFile(entry.modbusTable);
        return true;
    });
    uint64_t total = 0;
    for (const Entry& entry : kept)
        total += entry.bytes;
    std::size_t count = kept.size();
    for (const Entry& entry : kept) {
        if (count <= limits_.versions && total <= limits_.bytes)
            break;
        fileops::removeFile(entry.projectFile);
        if (!entry.modbusTable.empty())
            fileops::removeFile(entry.modbusTable);
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
                        entry.modbusTable});
    }
    return list;
}

bool ProjectHistory::read(const KeptVersion& version, KeptFiles& files) const {
    auto project = readAtMost(version.projectFile, limits_.bytes);
    if (!project)
        return false;
    std::optional<std::vector<uint8_t>> table;
    if (!version.modbusTable.empty()) {
        table = readAtMost(version.modbusTable, limits_.bytes);
        if (!table)
            return false;
    }
    files.projectFile = std::move(*project);
    files.modbusTable = std::move(table);
    return true;
}

bool keepReplacedVersion(const fs::path& workFolder, const fs::path& projectFile,
                         const fs::path& modbusTable, std::span<const uint8_t> newProjectFile) {
    std::error_code ec;
    if (!fs::exists(projectFile, ec))
        return true;
    const HistoryLimits limits;
    const auto current = readAtMost(projectFile, limits.bytes);
    if (!current)
        return false;
    if (std::equal(current->begin(), current->end(), newProjectFile.begin(), newProjectFile.end()))
        return true;
    std::optional<std::vector<uint8_t>> table;
    if (fs::exists(modbusTable, ec)) {
        table = readAtMost(modbusTable, limits.bytes);
        if (!table)
            return false;
    }
    ProjectHistory history(workFolder, projectFile, limits);
    return history.keep(*current, table ? &*table : nullptr, modificationTime(projectFile));
}

} // namespace zorv
