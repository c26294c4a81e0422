#pragma once
// Import of the alarm and language text files. The files are written in the panel's code page
// (GB2312), but one saved by a text editor may be UTF-8: such a file is converted, characters the
// panel cannot show are refused with their line, and the user is told of the conversion.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/LanguageTextsFile.h"
#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kConvertedFromUtf8Message =
    "The file was read as UTF-8 and its texts converted to GB2312, the panel's code page.";

// The first line of a refusal; a line per faulty line of the file follows.
inline constexpr const char* kFileNotImportedMessage = "The file was not imported:\n";

enum class TextFileEncoding { CodePage, Utf8 };

// UTF-8 when the file begins with UTF-8's byte-order mark, or when it is valid UTF-8, holds a
// character beyond ASCII and is no GB2312 text; otherwise the code page.
TextFileEncoding textFileEncoding(std::span<const uint8_t> file);

// The file in the code page. When a line holds a character the panel cannot show (a control
// character, or in a UTF-8 file one without a GB2312 code or bytes that are no UTF-8), `refusal`
// names it with its line after kFileNotImportedMessage: "line 3: ...", a line per faulty line.
struct DecodedTextFile {
    std::string bytes;
    bool fromUtf8 = false;
    std::string refusal;
};
DecodedTextFile decodeTextFile(std::span<const uint8_t> file);

// Reads an imported file into rows (as readTableText), telling the user through `prompt` when it
// is refused (its characters, or kImportedFileErrorMessage for a wrong head) and when it was
// converted from UTF-8. A refused file leaves one empty row, as a wrong head does.
bool importTableText(std::span<const uint8_t> file, std::string_view head,
                     std::vector<TextRow>& rows, Prompt& prompt);

} // namespace zorv
