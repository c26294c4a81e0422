#pragma once
// The desktop's "open" action for a file the program made (a report): the viewer the desktop
// keeps for the file's type.

#include <filesystem>
#include <functional>

namespace zorv {

class FileViewer {
public:
    virtual ~FileViewer() = default;
    // Hands `file` to the desktop's viewer. `failed` runs on the window's thread, at once or
    // once the desktop has answered, when no viewer could be started.
    virtual void show(const std::filesystem::path& file, std::function<void()> failed) = 0;
};

} // namespace zorv
