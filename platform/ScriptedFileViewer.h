#pragma once
// A file viewer for tests: records every file it is handed and, unless told that a viewer
// starts, reports at once that none could be started.

#include <vector>

#include "platform/FileViewer.h"

namespace zorv {

class ScriptedFileViewer : public FileViewer {
public:
    void show(const std::filesystem::path& file, std::function<void()> failed) override {
        shown.push_back(file);
        if (!starts)
            failed();
    }

    bool starts = true;
    std::vector<std::filesystem::path> shown;
};

} // namespace zorv
