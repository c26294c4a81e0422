#include "platform/Paths.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zorv {

std::optional<fs::path> Paths::makeTempFile(const fs::path& folder,
                                            const std::string& prefix) const {
    std::string pattern = (folder / (prefix + "XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return std::nullopt;
    ::close(fd);
    return fs::path(pattern);
}

SystemPaths::SystemPaths(fs::path executable) {
    const fs::path dir = executable.parent_path();
    std::error_code ec;
    if (fs::exists(dir / "Asc16.dat", ec))
        program_ = dir;
    else
        program_ = (dir / ".." / "share" / "zorveditor").lexically_normal();
}

fs::path SystemPaths::workFolder() const {
    fs::path folder;
    if (const char* home = std::getenv("ZORV_HOME"); home && *home) {
        folder = home;
    } else if (::access(program_.c_str(), W_OK) == 0) {
        folder = program_;
    } else if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        folder = fs::path(data) / "ZorvEditor";
    } else {
        const char* user = std::getenv("HOME");
        folder = fs::path(user ? user : "/tmp") / ".local" / "share" / "ZorvEditor";
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}

fs::path SystemPaths::tempFolder() const {
    std::error_code ec;
    fs::path t = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : t;
}

fs::path currentExecutable() {
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : p;
}

} // namespace zorv
