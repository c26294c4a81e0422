#include "cli/texts/TextInventory.h"

#include <algorithm>

#include "image/TextCell.h"
#include "model/DisplayAttributes.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

constexpr int kDisplayWidth = 192, kCellPixels = 8;

int cellsToEdge(int x, bool doubleSize) {
    const int room = std::max(0, kDisplayWidth - x) / (kCellPixels * (doubleSize ? 2 : 1));
    return std::min(room, attr::maxTextCells(doubleSize));
}

std::string pageId(uint16_t page, int32_t widget) {
    return "P" + std::to_string(page) + ".W" + std::to_string(widget);
}

// The texts of one widget, its place and context already filled into `base`.
template <class R>
void choiceEntries(const R& r, const TextEntry& base, char mark, const char* part,
                   std::vector<TextEntry>& out) {
    for (int k = 0; k < R::kCapacity; ++k) {
        const ChoiceEntry c = r.entry(k);
        if (!c.used)
            continue;
        TextEntry e = base;
        e.id += "." + std::string(1, mark) + std::to_string(k + 1);
        e.place.entry = k;
        e.text = {c.text[0], c.text[1]};
        e.part = std::string(part) + " " + std::to_string(k + 1);
        out.push_back(std::move(e));
    }
}

void alarmEntries(const AlarmListRecord& r, const TextEntry& base, std::vector<TextEntry>& out) {
    const int entries = std::clamp<int>(r.entryCount(), 0, AlarmListRecord::kCapacity);
    for (int k = 0; k < entries; ++k) {
        TextEntry e = base;
        e.id += ".A" + std::to_string(k);
        e.place.entry = k;
        e.text = {r.text(k, 0), r.text(k, 1)};
        e.part = k == 0 ? "no-alarm entry" : "alarm " + std::to_string(k);
        out.push_back(std::move(e));
    }
}

void widgetEntries(const CPage& page, const WidgetNode& node, std::vector<TextEntry>& out) {
    if (node.record.size() != recordSize(node.kind))
        return;
    TextEntry base;
    base.id = pageId(page.number(), node.id);
    base.place = {page.number(), node.id, -1};
    base.pageDescription = cellTextOfBytes(page.description());
    base.widget = std::string(typeName(node.kind));
    switch (node.kind) {
    case WidgetKind::StaticText: {
        const auto r = node.get<StaticTextRecord>();
        base.x = r.x(), base.y = r.y();
        base.maxCells = cellsToEdge(r.x(), r.attributes() & attr::kDoubleSize);
        base.text = {r.text(0), r.text(1)};
        out.push_back(std::move(base));
        break;
    }
    case WidgetKind::DynamicText: {
        const auto r = node.get<DynamicTextRecord>();
        base.x = r.x(), base.y = r.y();
        base.maxCells = cellsToEdge(r.x(), r.attributes() & attr::kDoubleSize);
        choiceEntries(r, base, 'S', "state", out);
        break;
    }
    case WidgetKind::Menu: {
        const auto r = node.get<MenuRecord>();
        base.x = r.x(), base.y = r.y();
        base.maxCells = cellsToEdge(r.x(), false);
        choiceEntries(r, base, 'I', "item", out);
        break;
    }
    case WidgetKind::Alarm: {
        const auto r = node.get<AlarmListRecord>();
        base.x = r.x(), base.y = r.y();
        base.maxCells = cellsToEdge(r.x(), false);
        alarmEntries(r, base, out);
        break;
    }
    default:
        break;
    }
}

template <class R>
bool setChoiceText(WidgetNode& node, int entry, int language, const TextSlot& t) {
    R r = node.get<R>();
    if (entry < 0 || entry >= R::kCapacity || !r.entry(entry).used)
        return false;
    ChoiceEntry c = r.entry(entry);
    c.text[language] = t;
    r.setEntry(entry, c);
    r.recomputeWidths();
    node.set(r);
    return true;
}

bool setAlarmText(AlarmListRecord& r, int entry, int language, const TextSlot& t) {
    if (entry < 0 || entry >= std::min<int>(r.entryCount(), AlarmListRecord::kCapacity))
        return false;
    r.setText(entry, language, t);
    return true;
}

} // namespace

std::vector<TextEntry> textInventory(const CHCData& project) {
    std::vector<TextEntry> out;
    for (const auto& page : project.pages())
        for (const WidgetNode& node : page->widgets)
            widgetEntries(*page, node, out);
    TextEntry system;
    system.id = "SYS";
    system.widget = "SystemAlarmList";
    system.maxCells = kDisplayWidth / kCellPixels;
    alarmEntries(project.alarmList, system, out);
    return out;
}

std::string fileTextOf(const TextSlot& text) {
    std::string out;
    for (const char c : cellTextOfBytes(text.view())) {
        if (uint8_t(c) < 0x20 || c == 0x7F)
            out += "\xEF\xBF\xBD"; // U+FFFD
        else
            out += c;
    }
    return out;
}

bool setTextAt(CHCData& project, const TextPlace& place, int language, const TextSlot& text) {
    if (language < 0 || language > 1)
        return false;
    if (!place.page)
        return setAlarmText(project.alarmList, place.entry, language, text);
    CPage* page = project.pageByNumber(*place.page);
    WidgetNode* node = page ? page->findWidget(place.widget) : nullptr;
    if (!node || node->record.size() != recordSize(node->kind))
        return false;
    switch (node->kind) {
    case WidgetKind::StaticText: {
        if (place.entry != -1)
            return false;
        auto r = node->get<StaticTextRecord>();
        r.setText(language, text);
        node->set(r);
        return true;
    }
    case WidgetKind::DynamicText:
        return setChoiceText<DynamicTextRecord>(*node, place.entry, language, text);
    case WidgetKind::Menu:
        return setChoiceText<MenuRecord>(*node, place.entry, language, text);
    case WidgetKind::Alarm: {
        auto r = node->get<AlarmListRecord>();
        const bool set = setAlarmText(r, place.entry, language, text);
        node->set(r);
        return set;
    }
    default:
        return false;
    }
}

} // namespace zorv
