#pragma once
// The folders of the save dialog: the last project folder kept in info.ini ([path] LastPath=)
// in the work folder, the base folder the dialog starts at, and the save path shown for a name.
// Folders are written with "/" and, as base folders, end with it.

#include <filesystem>
#include <string>
#include <string_view>

namespace zorv {

inline constexpr const char* kSaveNameMissingMessage = "Please enter a file name or path!";
// The name becomes a folder and a file: it names one of each, wherever the project goes.
inline constexpr const char* kSaveNameInvalidMessage =
    "A project name can not contain any of the characters \\ / : * ? \" < > |";

struct LastPath {
    enum class State { Missing, Unreadable, Read };
    State state = State::Missing;
    std::string folder; // empty unless read (and empty when the key is not there)
};

// info.ini of the work folder: Missing when there is no such file, Unreadable when there is
// one that cannot be read as a file.
LastPath readLastPath(const std::filesystem::path& workFolder);
// Writes info.ini from scratch with `baseFolder` without its trailing "/"; false on failure.
bool writeLastPath(const std::filesystem::path& workFolder, const std::string& baseFolder);

// The folder without a trailing "/", except for the root "/" itself.
std::string withoutTrailingSeparator(std::string folder);
// The folder ending with "/" (an empty folder stays empty).
std::string withTrailingSeparator(std::string folder);

// The base folder to start at: the last folder when it is an existing absolute folder, else the
// documents folder; ending with "/".
std::string startFolder(const std::string& lastFolder, const std::string& documentsFolder);

// The name without blanks at both ends.
std::string trimBlanks(std::string_view name);
// Whether the name holds a character that a file name cannot (a "/" would make nested folders).
bool nameHasInvalidCharacter(std::string_view name);
// base + trimmed name + "/", or the base alone for an empty name; empty without a base.
std::string savePathText(const std::string& baseFolder, std::string_view name);

// Creates every missing folder along `folder`, one level at a time; false when one cannot be
// made (or a file stands in the way).
bool createFolders(const std::string& folder);

} // namespace zorv
