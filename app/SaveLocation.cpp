#include "app/SaveLocation.h"

#include <system_error>

#include "image/IniFile.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

CIniFile infoIni(const fs::path& workFolder) {
    CIniFile ini;
    ini.setFolder(withTrailingSeparator(workFolder.string()));
    ini.setFileName(kInfoIniBaseName);
    return ini;
}

} // namespace

LastPath readLastPath(const fs::path& workFolder) {
    CIniFile ini = infoIni(workFolder);
    std::error_code ec;
    const fs::file_status status = fs::status(ini.path(), ec);
    if (status.type() == fs::file_type::not_found)
        return {};
    LastPath result{LastPath::State::Unreadable, {}};
    if (ec || !fs::is_regular_file(status) || !ini.openForReading())
        return result;
    result.state = LastPath::State::Read;
    ini.getValue(kInfoIniSection, kInfoIniKey, result.folder);
    ini.close();
    return result;
}

bool writeLastPath(const fs::path& workFolder, const std::string& baseFolder) {
    CIniFile ini = infoIni(workFolder);
    const bool written = ini.openForWriting() && ini.writeSection(kInfoIniSection) &&
                         ini.writeKey(kInfoIniKey, withoutTrailingSeparator(baseFolder));
    ini.close();
    return written;
}

std::string withoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string withTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string startFolder(const std::string& lastFolder, const std::string& documentsFolder) {
    std::string base = withoutTrailingSeparator(lastFolder);
    std::error_code ec;
    if (base.empty() || !fs::path(base).is_absolute() || !fs::is_directory(base, ec))
        base = withoutTrailingSeparator(documentsFolder);
    return withTrailingSeparator(base);
}

bool nameHasInvalidCharacter(std::string_view name) {
    return name.find_first_of("\\/:*?\"<>|") != std::string_view::npos;
}

std::string trimBlanks(std::string_view name) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = name.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(name.substr(first, name.find_last_not_of(blanks) - first + 1));
}

std::string savePathText(const std::string& baseFolder, std::string_view name) {
    if (baseFolder.empty())
        return {};
    const std::string trimmed = trimBlanks(name);
    return trimmed.empty() ? baseFolder : baseFolder + trimmed + "/";
}

bool createFolders(const std::string& folder) {
    const fs::path target(withoutTrailingSeparator(folder));
    if (target.empty())
        return false;
    fs::path current;
    for (const fs::path& part : target) {
        if (part.empty())
            continue;
        current /= part;
        std::error_code ec;
        if (fs::is_directory(current, ec))
            continue;
        if (!fs::create_directory(current, ec) || ec)
            return false;
    }
    return true;
}

} // namespace zorv
