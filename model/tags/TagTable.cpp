#include "model/tags/TagTable.h"

#include <algorithm>
#include <cctype>

#include "model/RegisterName.h"

namespace zorv {

namespace {

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool startsWithName(std::string_view name, std::string_view prefix) {
    return name.size() >= prefix.size() && sameTagName(name.substr(0, prefix.size()), prefix);
}

std::string trimmedName(std::string_view name) {
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.front())))
        name.remove_prefix(1);
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back())))
        name.remove_suffix(1);
    return std::string(name);
}

// Well-formed UTF-8 without control characters; a comment may hold tabs and line ends.
bool isUtf8Text(std::string_view text, bool comment) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            const bool allowed = comment && (c == '\t' || c == '\n' || c == '\r');
            if ((c < 0x20 || c == 0x7F) && !allowed)
                return false;
            ++i;
            continue;
        }
        const int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : -1;
        if (more < 0 || c > 0xF4 || text.size() - i <= std::size_t(more))
            return false;
        for (int k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(text[i + std::size_t(k)]) & 0xC0) != 0x80)
                return false;
        }
        i += std::size_t(more) + 1;
    }
    return true;
}

} // namespace

const char* tagFaultText(TagFault fault) {
    switch (fault) {
    case TagFault::None:
        return "";
    case TagFault::NoName:
        return "no name";
    case TagFault::NameIsRegister:
        return "the name reads as a register";
    case TagFault::NameTooLong:
        return "the name is longer than 80 bytes";
    case TagFault::CommentTooLong:
        return "the comment is longer than 255 bytes";
    case TagFault::NotUtf8:
        return "the text is not UTF-8 or holds control characters";
    case TagFault::DuplicateName:
        return "the name is already taken";
    }
    return "";
}

bool sameTagName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return folded(x) == folded(y);
           });
}

TagFault TagTable::checkExcept(const Tag& tag, const Tag* except) const {
    const std::string name = trimmedName(tag.name);
    if (name.empty())
        return TagFault::NoName;
    if (name.size() > kMaxTagNameBytes)
        return TagFault::NameTooLong;
    if (tag.comment.size() > kMaxTagCommentBytes)
        return TagFault::CommentTooLong;
    if (!isUtf8Text(name, false) || !isUtf8Text(tag.comment, true))
        return TagFault::NotUtf8;
    if (parseRegisterText(name))
        return TagFault::NameIsRegister;
    const Tag* same = find(name);
    if (same && same != except)
        return TagFault::DuplicateName;
    return TagFault::None;
}

TagFault TagTable::check(const Tag& tag) const {
    return checkExcept(tag, nullptr);
}

TagFault TagTable::add(Tag tag) {
    const TagFault fault = check(tag);
    if (fault == TagFault::None) {
        tag.name = trimmedName(tag.name);
        tags_.push_back(std::move(tag));
    }
    return fault;
}

TagFault TagTable::replace(std::string_view name, Tag tag) {
    const Tag* old = find(name);
    if (!old)
        return TagFault::NoName;
    const TagFault fault = checkExcept(tag, old);
    if (fault == TagFault::None) {
        tag.name = trimmedName(tag.name);
        tags_[std::size_t(old - tags_.data())] = std::move(tag);
    }
    return fault;
}

bool TagTable::remove(std::string_view name) {
    const Tag* tag = find(name);
    if (!tag)
        return false;
    tags_.erase(tags_.begin() + (tag - tags_.data()));
    return true;
}

const Tag* TagTable::find(std::string_view name) const {
    const std::string wanted = trimmedName(name);
    for (const Tag& tag : tags_) {
        if (sameTagName(tag.name, wanted))
            return &tag;
    }
    return nullptr;
}

std::vector<const Tag*> TagTable::tagsOf(const RegisterRef& reg) const {
    std::vector<const Tag*> found;
    for (const Tag& tag : tags_) {
        if (tag.reg == reg)
            found.push_back(&tag);
    }
    return found;
}

const Tag* TagTable::tagOf(const RegisterRef& reg) const {
    const auto found = tagsOf(reg);
    return found.empty() ? nullptr : found.front();
}

std::vector<const Tag*> TagTable::completions(std::string_view prefix) const {
    const std::string wanted = trimmedName(prefix);
    std::vector<const Tag*> found;
    for (const Tag& tag : tags_) {
        if (startsWithName(tag.name, wanted))
            found.push_back(&tag);
    }
    std::sort(found.begin(), found.end(), [](const Tag* a, const Tag* b) {
        return std::lexicographical_compare(a->name.begin(), a->name.end(), b->name.begin(),
                                            b->name.end(),
                                            [](char x, char y) { return folded(x) < folded(y); });
    });
    return found;
}

std::optional<RegisterRef> TagTable::resolve(std::string_view typed) const {
    if (const Tag* tag = find(typed))
        return tag->reg;
    return parseRegisterText(typed);
}

} // namespace zorv
