#pragma once
// The recent-file list of the File menu: at most four project paths, the latest first, kept in
// the settings as "Recent File List/File1" to "File4".

#include <string>
#include <vector>

#include "platform/Registry.h"

namespace zorv {

class RecentFileList {
public:
    RecentFileList(Registry& registry, int capacity);

    const std::vector<std::string>& paths() const { return paths_; }
    // Puts `path` first, dropping an older entry of the same path and the oldest beyond capacity.
    void add(const std::string& path);
    void remove(const std::string& path);

private:
    void store();

    Registry& registry_;
    int capacity_;
    std::vector<std::string> paths_;
};

} // namespace zorv
