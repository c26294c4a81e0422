#pragma once
// The earlier versions of one project that the work folder keeps: each Save keeps the project
// file it replaces, byte for byte, with the Modbus table and the tag file that were beside it,
// so that the user
// can go back to an earlier save. At most the last 20 versions and 20 MB per project are kept;
// the oldest go first. Each file is written under a temporary name and renamed into place.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace zorv {

struct HistoryLimits {
    std::size_t versions = 20;
    // The project files and tables of all versions together.
    uint64_t bytes = 20ull * 1024 * 1024;
};

struct KeptVersion {
    uint64_t number = 0;
    // When the version was saved, in seconds since the epoch.
    int64_t savedAt = 0;
    // Of the project file alone.
    uint64_t size = 0;
    int pages = 0;
    std::filesystem::path projectFile;
    // Empty when no table was beside the project.
    std::filesystem::path modbusTable;
    // Empty when no tag file was beside the project (or the version is older than tag files).
    std::filesystem::path tagFile;
};

struct KeptFiles {
    std::vector<uint8_t> projectFile;
    std::optional<std::vector<uint8_t>> modbusTable;
    std::optional<std::vector<uint8_t>> tagFile;
};

class ProjectHistory {
public:
    ProjectHistory(const std::filesystem::path& workFolder,
                   const std::filesystem::path& projectFile, HistoryLimits limits = {});

    const std::filesystem::path& folder() const { return folder_; }

    // Keeps a project file (and the table and tag file that were beside it, when given) as
    // the newest version, then drops the oldest beyond the limits. False when nothing was kept:
    // the version alone exceeds the bytes allowed, or it could not be written.
    bool keep(std::span<const uint8_t> projectFile, const std::vector<uint8_t>* modbusTable,
              int64_t savedAt, const std::vector<uint8_t>* tagFile = nullptr);
    // The versions that can be read as project files, oldest first; an entry that is missing,
    // unreadable, too large or no project file is left out.
    std::vector<KeptVersion> versions() const;
    // The bytes of a version listed by versions(); false when they can no longer be read.
    bool read(const KeptVersion& version, KeptFiles& files) const;

private:
    struct Entry {
        uint64_t number = 0;
        std::filesystem::path projectFile; // empty: a table whose project file never came
        std::filesystem::path modbusTable;
        std::filesystem::path tagFile;
        int64_t savedAt = 0;
        uint64_t bytes = 0;
        void removeFiles() const;
    };
    // Every entry whose name is a version's, by number.
    std::vector<Entry> entries() const;
    void dropOldest();

    std::filesystem::path folder_;
    HistoryLimits limits_;
};

// The pages of a project file, read as Open reads it; -1 when it is no project file.
int projectFilePages(std::span<const uint8_t> projectFile);

// Called by Save before `projectFile` is replaced by `newProjectFile` (and its tag file by
// `newTagFile`, when the save writes one; empty for no tags): keeps the project file there now,
// with the table (`modbusTable`, when there is one) and the tag file beside it, as an earlier
// version saved at the file's modification time, unless there is no project file yet or its
// bytes and its tags stay the same. False when a version was due and could not be kept; the
// save goes on all the same.
bool keepReplacedVersion(const std::filesystem::path& workFolder,
                         const std::filesystem::path& projectFile,
                         const std::filesystem::path& modbusTable,
                         std::span<const uint8_t> newProjectFile,
                         const std::vector<uint8_t>* newTagFile = nullptr);

} // namespace zorv
