#include "search/TextReplace.h"

#include "image/CompileTexts.h"
#include "image/TextCell.h"

namespace zorv {

namespace {

std::string replacedAll(std::string_view text, std::string_view find,
                        std::string_view replacement) {
    std::string out;
    std::size_t from = 0;
    // UTF-8 never matches inside a character, so plain byte search is safe.
    for (std::size_t at = text.find(find); at != std::string_view::npos;
         at = text.find(find, from)) {
        out.append(text.substr(from, at - from)).append(replacement);
        from = at + find.size();
    }
    return out.append(text.substr(from));
}

std::string fieldName(std::size_t text, std::size_t slotCount) {
    const std::string language = "language " + std::to_string(text % 2 + 1);
    if (slotCount <= 2)
        return language + " text";
    return "text " + std::to_string(text / 2 + 1) + ", " + language;
}

TextSlot slotAt(const std::vector<uint8_t>& record, std::size_t offset) {
    return TextSlot::fromSlot(std::span(record).subspan(offset).first<TextSlot::kSize>());
}

} // namespace

std::vector<TextReplacement> planTextReplace(const CHCData& project, std::string_view find,
                                             std::string_view replacement, unsigned languages,
                                             const RenumberScope& scope) {
    std::vector<TextReplacement> plan;
    if (find.empty())
        return plan;
    for (const auto& page : project.pages()) {
        for (std::size_t w = 0; w < page->widgets.size(); ++w) {
            const WidgetNode& node = page->widgets[w];
            if (!isWidgetKind(int32_t(node.kind)) || node.record.size() != recordSize(node.kind) ||
                !inScope(scope, page->number(), node.id))
                continue;
            const auto slots = convertedTextSlots(node.kind, node.record);
            for (std::size_t k = 0; k < slots.size(); ++k) {
                if (!(languages & (1u << (k % 2))) ||
                    slots[k] + TextSlot::kSize > node.record.size())
                    continue;
                const std::string before = cellTextOfBytes(slotAt(node.record, slots[k]).view());
                std::string after = replacedAll(before, find, replacement);
                if (after == before)
                    continue;
                CellBytes cell = cellBytesOfText(after);
                plan.push_back({.page = page->number(),
                                .widget = int(w),
                                .widgetId = node.id,
                                .kind = node.kind,
                                .slot = slots[k],
                                .field = fieldName(k, slots.size()),
                                .before = before,
                                .after = std::move(after),
                                .bytes = std::move(cell.bytes),
                                .refusal = std::move(cell.reason)});
            }
        }
    }
    return plan;
}

int applyTextReplace(CHCData& project, std::span<const TextReplacement> replacements) {
    int stored = 0;
    for (const TextReplacement& change : replacements) {
        CPage* page = project.pageByNumber(change.page);
        if (!change.bytes || !page || change.widget < 0 ||
            std::size_t(change.widget) >= page->widgets.size())
            continue;
        WidgetNode& node = page->widgets[std::size_t(change.widget)];
        if (node.id != change.widgetId || change.slot + TextSlot::kSize > node.record.size())
            continue;
        TextSlot::fromBytes(*change.bytes)
            .toSlot(std::span(node.record).subspan(change.slot).first<TextSlot::kSize>());
        ++stored;
    }
    return stored;
}

} // namespace zorv
