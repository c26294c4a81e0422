#include "app/RecentFileList.h"

#include <algorithm>

namespace zorv {

namespace {

std::string keyOf(int index) {
    return "Recent File List/File" + std::to_string(index + 1);
}

} // namespace

RecentFileList::RecentFileList(Registry& registry, int capacity)
    : registry_(registry), capacity_(capacity) {
    for (int i = 0; i < capacity_; ++i) {
        auto path = registry_.value(keyOf(i));
        if (path && !path->empty() &&
            std::find(paths_.begin(), paths_.end(), *path) == paths_.end())
            paths_.push_back(*path);
    }
}

void RecentFileList::add(const std::string& path) {
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (int(paths_.size()) > capacity_)
        paths_.resize(std::size_t(capacity_));
    store();
}

void RecentFileList::remove(const std::string& path) {
    std::erase(paths_, path);
    store();
}

void RecentFileList::store() {
    for (int i = 0; i < capacity_; ++i)
        registry_.setValue(keyOf(i), i < int(paths_.size()) ? paths_[std::size_t(i)] : "");
}

} // namespace zorv
