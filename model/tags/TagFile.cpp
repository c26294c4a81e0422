#include "model/tags/TagFile.h"

#include "model/FileOps.h"
#include "model/SideFiles.h"
#include "model/tags/CsvText.h"
#include "model/tags/TagImport.h"

namespace fs = std::filesystem;

namespace zorv {

fs::path tagFileOf(const fs::path& project) {
    return sideFileOf(project, kTagFileEnding);
}

std::string tagFileText(const TagTable& table) {
    return table.empty() ? std::string() : exportTags(table);
}

bool readTagText(std::string_view text, TagTable& table, std::string& faults) {
    // What tagFileText writes for no tags.
    if (text.empty()) {
        table.clear();
        return true;
    }
    std::vector<std::string> lines;
    if (importTags(text, TagImportOptions{}, table, lines))
        return true;
    faults.clear();
    for (const std::string& line : lines)
        faults += (faults.empty() ? "" : "\n") + line;
    return false;
}

bool loadTagFile(const fs::path& file, TagTable& table, std::string& message) {
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        table.clear();
        return true;
    }
    const auto size = fs::file_size(file, ec);
    if (!ec && size > kMaxCsvBytes) {
        message = file.string() + ": the file is larger than " +
                  std::to_string(kMaxCsvBytes >> 20) + " MiB";
        return false;
    }
    const auto bytes = fileops::readFile(file);
    if (ec || !bytes) {
        message = file.string() + ": the file cannot be read";
        return false;
    }
    std::string faults;
    if (!readTagText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                     table, faults)) {
        message = file.string() + "\n" + faults;
        return false;
    }
    return true;
}

bool saveTagFile(const fs::path& file, const TagTable& table, std::string* failure) {
    if (table.empty()) {
        std::error_code ec;
        fs::remove(file, ec);
        if (ec && failure)
            *failure = ec.message();
        return !ec;
    }
    const std::string text = tagFileText(table);
    return fileops::replaceFile(
        file, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), failure);
}

} // namespace zorv
