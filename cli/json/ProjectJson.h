#pragma once
// The JSON form of a whole project: every header field, the system alarm list, the pages and
// every widget record by name, texts in UTF-8, so that projects can be written by hand,
// compared and kept under version control. Exporting and importing again gives the same
// project file.

#include <string>
#include <string_view>

#include "model/CHCData.h"

namespace zorv::json {

std::string exportProjectJson(const CHCData& project);

// Replaces `project` only when the whole text is sound; otherwise `error` names the field
// ("pages[2].widgets[5].text1: text longer than 24 bytes") and `project` is left as it was.
bool importProjectJson(std::string_view text, CHCData& project, std::string& error);

} // namespace zorv::json
