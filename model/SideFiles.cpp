#include "model/SideFiles.h"

#include "model/FileOps.h"

namespace fs = std::filesystem;

namespace zorv {

bool carrySideFile(const fs::path& from, const fs::path& to, std::string_view ending) {
    if (from.empty())
        return true;
    const fs::path source = sideFileOf(from, ending);
    const fs::path target = sideFileOf(to, ending);
    std::error_code ec;
    if (!fs::exists(source, ec) || fs::equivalent(source, target, ec))
        return true;
    return fileops::copyOver(source, target);
}

} // namespace zorv
