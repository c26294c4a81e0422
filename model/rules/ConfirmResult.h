#pragma once
// What confirming a property pane gives back: the corrected record, the messages to show in
// order, and whether it was applied (a refusal returns the pane's copy unchanged).

#include <string>
#include <vector>

namespace zorv::rules {

template <class R> struct ConfirmResult {
    R record;
    std::vector<std::string> messages;
    bool applied = true;
};

} // namespace zorv::rules
