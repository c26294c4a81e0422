#pragma once
// The tags of a project: names that the PLC program gives its registers ("Batch count" for
// D100), each with a comment. Names are UTF-8, unique without regard to the case of ASCII
// letters, and never read as a register themselves, so that a register field can take either.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/RegisterRef.h"

namespace zorv {

inline constexpr std::size_t kMaxTagNameBytes = 80;
inline constexpr std::size_t kMaxTagCommentBytes = 255;

struct Tag {
    std::string name;
    RegisterRef reg;
    std::string comment;
    bool operator==(const Tag&) const = default;
};

enum class TagFault {
    None,
    NoName,
    NameIsRegister, // "D100" as a name would hide the register
    NameTooLong,
    CommentTooLong,
    NotUtf8,
    DuplicateName,
};

// "no name", "the name reads as a register" ... for messages that name the tag.
const char* tagFaultText(TagFault fault);
// Whether two tag names are the same: ASCII letters compared without regard to case.
bool sameTagName(std::string_view a, std::string_view b);

class TagTable {
public:
    const std::vector<Tag>& tags() const { return tags_; }
    bool empty() const { return tags_.empty(); }
    std::size_t size() const { return tags_.size(); }

    // The fault that keeps `tag` out of the table, spaces around its name taken away first;
    // None when add() takes it.
    TagFault check(const Tag& tag) const;
    // Appends the tag (its name trimmed); refused, with the table unchanged, for any fault.
    TagFault add(Tag tag);
    // Replaces the tag named `name` by `tag` (which may rename it); NoName when there is none.
    TagFault replace(std::string_view name, Tag tag);
    bool remove(std::string_view name);
    void clear() { tags_.clear(); }

    const Tag* find(std::string_view name) const;
    // The tags on a register, in table order; the first is the name shown beside it.
    std::vector<const Tag*> tagsOf(const RegisterRef& reg) const;
    const Tag* tagOf(const RegisterRef& reg) const;
    // The tags whose names start with `prefix` (ASCII case aside), sorted by name: the
    // completions of a register field.
    std::vector<const Tag*> completions(std::string_view prefix) const;
    // What a register field takes: a tag name or a register ("D100", "2:D100").
    std::optional<RegisterRef> resolve(std::string_view typed) const;

    bool operator==(const TagTable&) const = default;

private:
    std::vector<Tag> tags_;
    TagFault checkExcept(const Tag& tag, const Tag* except) const;
};

} // namespace zorv
