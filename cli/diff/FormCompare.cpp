#include "cli/diff/FormCompare.h"

#include <algorithm>
#include <cstdio>

#include "model/ByteHash.h"

namespace zorv::diff {

namespace {

// The form writes every bitmap as rows of hexadecimal strings, and no other array of strings.
bool isPictureData(const Json& v) {
    return v.is_array() && !v.empty() &&
           std::all_of(v.begin(), v.end(), [](const Json& row) { return row.is_string(); });
}

// The rows are written canonically (upper case, no spaces), so equal text is equal content.
Json pictureSummary(const Json& rows) {
    std::string joined;
    for (const Json& row : rows)
        joined += row.get_ref<const std::string&>();
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx", (unsigned long long)fnv1a(joined));
    return Json{{"bytes", joined.size() / 2}, {"digest", digest}};
}

void compareMembersAt(const std::string& path, const Json& a, const Json& b,
                      std::span<const std::string_view> skip, std::vector<FieldChange>& out);

void compareValue(const std::string& path, const Json& a, const Json& b,
                  std::vector<FieldChange>& out) {
    if (a == b)
        return;
    const bool picture = isPictureData(a) || isPictureData(b);
    if (!picture && a.is_object() && b.is_object()) {
        compareMembersAt(path, a, b, {}, out);
        return;
    }
    if (!picture && a.is_array() && b.is_array()) {
        static const Json none;
        for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
            compareValue(json::element(path, i), i < a.size() ? a[i] : none,
                         i < b.size() ? b[i] : none, out);
        return;
    }
    out.push_back({path, shownValue(a), shownValue(b)});
}

void compareMembersAt(const std::string& path, const Json& a, const Json& b,
                      std::span<const std::string_view> skip, std::vector<FieldChange>& out) {
    static const Json none;
    auto skipped = [&](const std::string& key) {
        return std::find(skip.begin(), skip.end(), key) != skip.end();
    };
    for (auto it = a.begin(); it != a.end(); ++it) {
        if (!skipped(it.key()))
            compareValue(json::member(path, it.key()), it.value(),
                         b.contains(it.key()) ? b.at(it.key()) : none, out);
    }
    for (auto it = b.begin(); it != b.end(); ++it) {
        if (!skipped(it.key()) && !a.contains(it.key()))
            compareValue(json::member(path, it.key()), none, it.value(), out);
    }
}

} // namespace

void compareMembers(const Json& a, const Json& b, std::span<const std::string_view> skip,
                    std::vector<FieldChange>& out) {
    compareMembersAt("", a, b, skip, out);
}

Json shownValue(const Json& value) {
    if (isPictureData(value))
        return pictureSummary(value);
    if (!value.is_structured())
        return value;
    Json shown = value;
    for (auto it = shown.begin(); it != shown.end(); ++it)
        *it = shownValue(*it);
    return shown;
}

} // namespace zorv::diff
