#include "search/Find.h"

#include <cctype>

#include "checks/RegisterFields.h"
#include "image/CompileTexts.h"
#include "model/RegisterName.h"
#include "platform/CodePageText.h"

namespace zorv {

namespace {

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Whether the code-page text holds `wanted` starting at a character, ASCII case aside.
bool holds(std::string_view text, std::string_view wanted) {
    if (wanted.empty())
        return false;
    for (std::size_t at = 0; at + wanted.size() <= text.size();) {
        std::size_t k = 0;
        while (k < wanted.size() && folded(text[at + k]) == folded(wanted[k]))
            ++k;
        if (k == wanted.size())
            return true;
        // A byte of 0x80 or more starts a two-byte character.
        at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
    }
    return false;
}

std::string shown(std::string_view codePage) {
    return "\"" + codePageToUtf8(codePage).value_or(std::string(codePage)) + "\"";
}

// "StaticText", "static text" and "statictext" all name the static text.
bool namesKind(std::string_view query, WidgetKind kind) {
    std::string compact;
    for (char c : query) {
        if (c != ' ')
            compact.push_back(folded(c));
    }
    const std::string_view name = typeName(kind);
    return compact.size() == name.size() &&
           std::equal(name.begin(), name.end(), compact.begin(),
                      [](char a, char b) { return folded(a) == b; });
}

bool fieldMatches(const RegisterField& field, const RegisterQuery& q) {
    if (field.reg.type != q.type || (q.station != 0 && field.reg.station != q.station))
        return false;
    const int last = field.reg.address + std::max(field.width, 1) - 1;
    return field.reg.address <= q.last && last >= q.first;
}

class ProjectFind {
public:
    ProjectFind(std::string_view query, const TagTable* tags, unsigned targets)
        : query_(query), tags_(tags), targets_(targets),
          text_(utf8ToCodePage(query).value_or(std::string())),
          registers_(targets & FindRegisters ? registerQuery(query, tags) : std::nullopt) {}

    std::vector<FindHit> run(const CHCData& project) {
        for (const auto& page : project.pages()) {
            page_ = page->number();
            if ((targets_ & FindDescriptions) && holds(page->description(), text_))
                hits_.push_back({page_, std::nullopt, "description " + shown(page->description())});
            for (std::size_t w = 0; w < page->widgets.size(); ++w)
                widget(int(w), page->widgets[w]);
        }
        return std::move(hits_);
    }

private:
    std::string_view query_;
    const TagTable* tags_;
    unsigned targets_;
    std::string text_;
    std::optional<RegisterQuery> registers_;
    uint16_t page_ = 0;
    std::vector<FindHit> hits_;

    void hit(int widget, std::string what) {
        const FindHit h{page_, widget, std::move(what)};
        // A field the panel uses twice (shown and entered) is found once.
        if (hits_.empty() || !(hits_.back() == h))
            hits_.push_back(h);
    }

    void widget(int index, const WidgetNode& node) {
        if (!isWidgetKind(int32_t(node.kind)) || node.record.size() != recordSize(node.kind))
            return;
        if ((targets_ & FindKinds) && namesKind(query_, node.kind))
            hit(index, "kind " + std::string(typeName(node.kind)));
        if (targets_ & FindTexts)
            texts(index, node);
        if (registers_)
            visitRegisterFields(node, [&](const RegisterField& field) {
                if (!fieldMatches(field, *registers_))
                    return;
                std::string what = "register " + registerText(field.reg);
                if (const Tag* tag = tags_ ? tags_->tagOf(field.reg) : nullptr)
                    what += " \"" + tag->name + "\"";
                hit(index, what + " (" + field.name + ")");
            });
    }

    void texts(int index, const WidgetNode& node) {
        const auto slots = convertedTextSlots(node.kind, node.record);
        for (std::size_t k = 0; k < slots.size(); ++k) {
            if (slots[k] + TextSlot::kSize > node.record.size())
                continue;
            const TextSlot text = TextSlot::fromSlot(
                std::span(node.record).subspan(slots[k]).first<TextSlot::kSize>());
            if (holds(text.view(), text_))
                hit(index, "language " + std::to_string(k % 2 + 1) + " text " + shown(text.view()));
        }
    }
};

} // namespace

std::optional<RegisterQuery> registerQuery(std::string_view query, const TagTable* tags) {
    if (tags) {
        if (const Tag* tag = tags->find(query))
            return RegisterQuery{tag->reg.station, tag->reg.type, tag->reg.address,
                                 tag->reg.address};
    }
    const bool withStation = query.find(':') != std::string_view::npos;
    const auto dash = query.find('-');
    const auto first = parseRegisterText(query.substr(0, dash));
    const auto last =
        dash == std::string_view::npos ? first : parseRegisterText(query.substr(dash + 1));
    if (!first || !last || first->type != last->type || last->address < first->address ||
        (withStation && dash != std::string_view::npos))
        return std::nullopt;
    return RegisterQuery{uint8_t(withStation ? first->station : 0), first->type, first->address,
                         last->address};
}

std::vector<FindHit> findInProject(const CHCData& project, std::string_view query,
                                   const TagTable* tags, unsigned targets) {
    return ProjectFind(query, tags, targets).run(project);
}

} // namespace zorv
