#pragma once
// Texts of the editable lists: cells show Unicode, the tables hold code-page bytes (ASCII and
// GB2312). A typed text is taken only when the panel can show every character and the bytes fit
// a text slot; "&41"-style library escapes are plain ASCII and stay as typed.

#include <optional>
#include <string>
#include <string_view>

namespace zorv {

inline constexpr const char* kCellKeepsItsTextMessage = "; the cell keeps its old text.";
inline constexpr const char* kCellTooLongMessage =
    "The text is longer than 24 bytes (a Chinese character takes 2); the cell keeps its old text.";

// A character that the panel cannot show: a control character (NUL included), or one beyond
// ASCII that GB2312 has no code for.
struct Unshowable {
    char32_t code;
    std::string utf8; // the character itself
};
// The first such character of a UTF-8 text; a byte that starts no UTF-8 character counts as
// U+FFFD.
std::optional<Unshowable> firstUnshowable(std::string_view utf8);
// The first control character among code-page bytes; double-byte characters are skipped whole.
std::optional<Unshowable> firstUnshowableByte(std::string_view bytes);
// "'X' (U+XXXX) cannot be shown on the panel", or "U+0007 cannot be shown on the panel" for a
// character that shows nothing.
std::string unshowableMessage(const Unshowable& c);

// The UTF-8 form of stored bytes for showing in a cell. Bytes that are no GB2312 text (a cut
// character, raw bytes of an older project) show as U+FFFD, so an edit of that cell is refused
// instead of silently storing other bytes.
std::string cellTextOfBytes(std::string_view bytes);

// The bytes of a typed cell text, or nothing with the message that tells why it is refused:
// `refusal` for a list that gives the cell its old text back, `reason` alone for one that keeps
// the typed text for mending ("The text takes 31 bytes; at most 24 fit ...").
struct CellBytes {
    std::optional<std::string> bytes;
    std::string refusal;
    std::string reason;
};
CellBytes cellBytesOfText(std::string_view utf8);

} // namespace zorv
