// Tags that name registers no widget uses, and registers with more than one name.

#include <algorithm>

#include "checks/CheckContext.h"
#include "model/RegisterName.h"

namespace zorv {

namespace {

std::string quotedName(const Tag& tag) {
    return "\"" + tag.name + "\"";
}

} // namespace

void checkUnusedTags(const CheckContext& context, Findings& out) {
    if (!context.input.tags)
        return;
    for (const Tag& tag : context.input.tags->tags()) {
        const bool used =
            std::any_of(context.uses.begin(), context.uses.end(), [&](const RegisterUseEntry& use) {
                return use.source == UseSource::Widget &&
                       covers(use, tag.reg.station, tag.reg.type, tag.reg.address);
            });
        if (!used)
            out.push_back({Severity::Information, "tag-register-unused", std::nullopt, std::nullopt,
                           "the tag " + quotedName(tag) + " names " + registerText(tag.reg) +
                               ", which no widget uses"});
    }
}

void checkSharedTagRegisters(const CheckContext& context, Findings& out) {
    if (!context.input.tags)
        return;
    const TagTable& table = *context.input.tags;
    for (const Tag& tag : table.tags()) {
        const auto named = table.tagsOf(tag.reg);
        // Told once, at the first tag of the register.
        if (named.size() < 2 || named.front() != &tag)
            continue;
        std::string names;
        for (std::size_t k = 0; k < named.size(); ++k)
            names += (k == 0 ? "" : k + 1 == named.size() ? " and " : ", ") + quotedName(*named[k]);
        out.push_back({Severity::Warning, "tags-share-register", std::nullopt, std::nullopt,
                       "the tags " + names + (named.size() == 2 ? " both" : " all") + " name " +
                           registerText(tag.reg)});
    }
}

} // namespace zorv
