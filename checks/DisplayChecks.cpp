// Widgets that reach beyond the 192 x 64 display and texts with characters the panel has no
// glyph for.

#include "checks/CheckContext.h"
#include "checks/TextGlyphs.h"
#include "checks/WidgetExtent.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

std::string outsideMessage(const WidgetExtent& e) {
    std::string where;
    if (e.right() > kPanelWidth)
        where = "the right edge (to x " + std::to_string(e.right()) + ")";
    if (e.bottom() > kPanelHeight)
        where += std::string(where.empty() ? "" : " and ") + "the bottom edge (to y " +
                 std::to_string(e.bottom()) + ")";
    return "reaches past " + where + " of the 192 x 64 display";
}

// Each text of a widget with the words that name it in a message.
struct NamedText {
    std::string name;
    TextSlot text;
};

std::string languageName(int lang) {
    return "the language " + std::to_string(lang + 1) + " text";
}

template <class R>
void choiceTexts(const R& r, const char* entryName, std::vector<NamedText>& texts) {
    for (int k = 0; k < R::kCapacity; ++k) {
        const ChoiceEntry c = r.entry(k);
        for (int lang = 0; c.used && lang < 2; ++lang)
            texts.push_back({languageName(lang) + " of " + entryName + " " + std::to_string(k + 1),
                             c.text[lang]});
    }
}

void alarmTexts(const AlarmListRecord& r, std::vector<NamedText>& texts) {
    const int entries = std::clamp<int>(r.entryCount(), 0, AlarmListRecord::kCapacity);
    for (int k = 0; k < entries; ++k) {
        for (int lang = 0; lang < 2; ++lang)
            texts.push_back({languageName(lang) + (k == 0 ? " of the no-alarm entry"
                                                          : " of alarm " + std::to_string(k)),
                             r.text(k, lang)});
    }
}

std::vector<NamedText> widgetTexts(const WidgetNode& node) {
    std::vector<NamedText> texts;
    switch (node.kind) {
    case WidgetKind::StaticText: {
        const auto r = node.get<StaticTextRecord>();
        for (int lang = 0; lang < 2; ++lang)
            texts.push_back({languageName(lang), r.text(lang)});
        break;
    }
    case WidgetKind::DynamicText:
        choiceTexts(node.get<DynamicTextRecord>(), "state", texts);
        break;
    case WidgetKind::Menu:
        choiceTexts(node.get<MenuRecord>(), "item", texts);
        break;
    case WidgetKind::Alarm:
        alarmTexts(node.get<AlarmListRecord>(), texts);
        break;
    default:
        break;
    }
    return texts;
}

// The first text with a character the panel cannot show, as a message.
std::optional<std::string> firstUnshowable(const std::vector<NamedText>& texts,
                                           const LibrarySizes& libraries) {
    for (const NamedText& t : texts) {
        if (auto what = unshowableCharacter(t.text.view(), libraries))
            return t.name + " holds " + *what + ", which the panel cannot show";
    }
    return std::nullopt;
}

} // namespace

void checkOutsideDisplay(const CheckContext& context, Findings& out) {
    for (const auto& page : context.input.project.pages()) {
        for (const WidgetNode& node : page->widgets) {
            const auto extent = widgetExtent(node);
            if (extent && (extent->right() > kPanelWidth || extent->bottom() > kPanelHeight))
                out.push_back(widgetFinding(Severity::Error, "outside-display", *page, node,
                                            outsideMessage(*extent)));
        }
    }
}

void checkUnshowableCharacters(const CheckContext& context, Findings& out) {
    const LibrarySizes libraries{context.input.userCharacters, context.input.systemCharacters};
    for (const auto& page : context.input.project.pages()) {
        for (const WidgetNode& node : page->widgets) {
            if (node.record.size() != recordSize(node.kind))
                continue;
            if (auto message = firstUnshowable(widgetTexts(node), libraries))
                out.push_back(
                    widgetFinding(Severity::Error, "unshowable-character", *page, node, *message));
        }
    }
    std::vector<NamedText> texts;
    alarmTexts(context.input.project.alarmList, texts);
    if (auto message = firstUnshowable(texts, libraries))
        out.push_back({Severity::Error, "unshowable-character", std::nullopt, std::nullopt,
                       "in the system alarm list, " + *message});
}

} // namespace zorv
