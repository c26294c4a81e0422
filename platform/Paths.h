#pragma once
// Where the program finds its read-only resources and keeps its writable files.

#include <filesystem>
#include <optional>
#include <string>

namespace zorv {

class Paths {
public:
    virtual ~Paths() = default;
    // Read-only resources: font files, icon2/, tips.
    virtual std::filesystem::path programFolder() const = 0;
    // Writable files: pic/ of unsaved projects, report/, info.ini, config.ini, working copies.
    virtual std::filesystem::path workFolder() const = 0;
    virtual std::filesystem::path tempFolder() const = 0;
    // A new, empty file in `folder` whose name starts with `prefix`; nothing when none can be
    // made.
    virtual std::optional<std::filesystem::path> makeTempFile(const std::filesystem::path& folder,
                                                              const std::string& prefix) const;
};

// The folders of DESIGN: the executable's folder when it holds Asc16.dat, else
// ../share/zorveditor; the work folder from $ZORV_HOME, the program folder when writable, else
// $XDG_DATA_HOME/ZorvEditor.
class SystemPaths : public Paths {
public:
    explicit SystemPaths(std::filesystem::path executable);
    std::filesystem::path programFolder() const override { return program_; }
    std::filesystem::path workFolder() const override;
    std::filesystem::path tempFolder() const override;

private:
    std::filesystem::path program_;
};

// Fixed folders, for tests.
class FixedPaths : public Paths {
public:
    FixedPaths(std::filesystem::path program, std::filesystem::path work,
               std::filesystem::path temp)
        : program_(std::move(program)), work_(std::move(work)), temp_(std::move(temp)) {}
    std::filesystem::path programFolder() const override { return program_; }
    std::filesystem::path workFolder() const override { return work_; }
    std::filesystem::path tempFolder() const override { return temp_; }

private:
    std::filesystem::path program_, work_, temp_;
};

// The running program's own path (from /proc/self/exe).
std::filesystem::path currentExecutable();

} // namespace zorv
