// Which of the two forms a translation file is in.

#include <algorithm>
#include <cctype>

#include "cli/texts/TranslationFile.h"

namespace zorv {

bool readTranslationFile(std::span<const uint8_t> file, std::vector<TranslatedText>& out,
                         std::string& fault) {
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    std::string_view rest = text;
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    const std::size_t first = rest.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && rest[first] == '<')
        return readTextsXliff(text, out, fault);
    return readTextsCsv(text, out, fault);
}

bool isXliffName(std::string_view fileName) {
    std::string name(fileName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return name.ends_with(".xlf") || name.ends_with(".xliff");
}

} // namespace zorv
