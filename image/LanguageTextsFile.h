#pragma once
// The tab-separated text files of the alarm list and the multi-language tables: a head line
// ("AlarmDlg", or the table's mark character), then one line of three cells per row. Files are in
// text mode: every line end is CR LF on disk.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kImportFailureMessage = "Import failure!";
inline constexpr const char* kImportedFileErrorMessage = "The file that imported is error!";
inline constexpr const char* kExportFailureMessage = "Export failure!";

// Most bytes a cell keeps: a text slot's capacity.
constexpr std::size_t kCellCapacity = 24;

using TextRow = std::array<std::string, 3>;

// At most 24 bytes of a cell; a double-byte character that would be split at the limit is left
// out whole.
std::string cutCell(std::string_view text);

// The file bytes: head, CR LF, then the rows separated by CR LF (none after the last); an empty
// first cell is written as a single space.
std::string writeTableText(std::string_view head, const std::vector<TextRow>& rows);

// Reads the file bytes into rows. Whatever the outcome, rows starts as one empty row. False when
// the file does not begin with `head` (the caller shows kImportedFileErrorMessage). A tab ends a
// cell, a line end ends the row and starts a new one (so a trailing line end gives one more empty
// row), the end of the bytes or a byte 0xFF ends the import. Cells beyond the third are dropped
// and every cell is cut to 24 bytes.
bool readTableText(std::span<const uint8_t> file, std::string_view head,
                   std::vector<TextRow>& rows);

// "name.txt" for any name whose extension is not "txt".
std::filesystem::path withTxtExtension(std::filesystem::path name);

// A whole-file write; false when the file cannot be opened or written.
bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Export and import of the dialogs: the chosen name gets ".txt" when it lacks it; failures show
// kExportFailureMessage or kImportFailureMessage (with the file and the system's reason beneath
// it when the file cannot be read).
bool exportTableFile(const std::filesystem::path& name, std::string_view text, Prompt& prompt);
bool loadTableFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, Prompt& prompt);

} // namespace zorv
