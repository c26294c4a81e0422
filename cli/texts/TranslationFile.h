#pragma once
// The translation files: every text of the inventory with its limits and context, as CSV for
// spreadsheets (UTF-8, a header row) or as XLIFF 1.2 for translation tools, and the texts read
// back from either. A reader checks every count and length of the file and names the line of
// the first fault.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/texts/TextInventory.h"

namespace zorv {

// One text as a translation file gives it; a language the file leaves out stays as it is.
struct TranslatedText {
    int line = 0; // where the text starts in the file, from 1
    std::string id;
    std::array<std::optional<std::string>, 2> text; // UTF-8
};

std::string textsCsv(const std::vector<TextEntry>& entries);
// `original` names the project in the file's head.
std::string textsXliff(const std::vector<TextEntry>& entries, std::string_view original);

// False with `fault` ("line 3: ...") when the file is no such file or is damaged.
bool readTextsCsv(std::string_view file, std::vector<TranslatedText>& out, std::string& fault);
bool readTextsXliff(std::string_view file, std::vector<TranslatedText>& out, std::string& fault);
// XLIFF when the file's first character past a byte-order mark and blanks is "<", else CSV.
bool readTranslationFile(std::span<const uint8_t> file, std::vector<TranslatedText>& out,
                         std::string& fault);

// Whether a file name asks for XLIFF (".xlf" or ".xliff", in any case) rather than CSV.
bool isXliffName(std::string_view fileName);

} // namespace zorv
