#pragma once
// Texts of the editable lists: cells show Unicode, the tables hold code-page bytes (ASCII and
// GB2312). A typed text is taken only when every character has a GB2312 code and the bytes fit a
// text slot; "&41"-style library escapes are plain ASCII and stay as typed.

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

inline constexpr const char* kNotGb2312Message =
    "The text holds a character that GB2312 cannot encode; the cell keeps its old text.";
inline constexpr const char* kCellTooLongMessage =
    "The text is longer than 24 bytes (a Chinese character takes 2); the cell keeps its old text.";

// The UTF-8 form of stored bytes for showing in a cell. Bytes that are no GB2312 text (a cut
// character, raw bytes of an older project) show as U+FFFD, so an edit of that cell is refused
// instead of silently storing other bytes.
std::string cellTextOfBytes(std::string_view bytes);

// The bytes of a typed cell text, or nothing with the message that tells why it is refused.
struct CellBytes {
    std::optional<std::string> bytes;
    const char* refusal = nullptr;
};
CellBytes cellBytesOfText(std::string_view utf8);

} // namespace zorv
