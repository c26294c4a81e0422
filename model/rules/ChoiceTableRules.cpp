#include "model/rules/ChoiceTableRules.h"

#include <algorithm>
#include <cctype>

namespace zorv::rules {

bool isBlank(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
}

} // namespace zorv::rules
