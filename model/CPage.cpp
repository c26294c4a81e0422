#include "model/CPage.h"

#include <algorithm>

#include "model/WidgetRecords.h"

namespace zorv {

PageHead PageHead::makeDefault(uint16_t number) {
    PageHead h;
    h.setNumber(number);
    h.setU8(2, 3);
    h.setU8(5, 48);
    h.setU8(6, 16);
    h.setUpPage(uint16_t(number - 1));
    h.setDownPage(uint16_t(number + 1));
    return h;
}

void CPage::setDescription(std::string_view text) {
    description_.assign(text.substr(0, kDescriptionCapacity));
    // A zero byte ends the description as it would end the stored text.
    description_.erase(std::find(description_.begin(), description_.end(), '\0'),
                       description_.end());
}

namespace {
template <class R> std::vector<uint8_t> bytesOf(const R& r) {
    return std::vector<uint8_t>(r.bytes.begin(), r.bytes.end());
}
} // namespace

std::vector<uint8_t> defaultRecord(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Led:
        return bytesOf(LedRecord::makeDefault());
    case WidgetKind::Register:
        return bytesOf(RegisterRecord::makeDefault());
    case WidgetKind::DynamicText:
        return bytesOf(DynamicTextRecord::makeDefault());
    case WidgetKind::Bar:
        return bytesOf(BarRecord::makeDefault());
    case WidgetKind::Trend:
        return bytesOf(TrendRecord::makeDefault());
    case WidgetKind::Menu:
        return bytesOf(MenuRecord::makeDefault());
    case WidgetKind::Password:
        return bytesOf(PasswordRecord::makeDefault());
    case WidgetKind::Key:
        return bytesOf(KeyRecord::makeDefault());
    case WidgetKind::StaticText:
        return bytesOf(StaticTextRecord::makeDefault());
    case WidgetKind::Picture:
        return bytesOf(PictureRecord::makeDefault());
    case WidgetKind::Alarm:
        return bytesOf(AlarmListRecord::makeDefault());
    default:
        return {};
    }
}

WidgetNode* CPage::addWidget(std::string_view typeName) {
    const WidgetKind kind = kindFromTypeName(typeName);
    if (!isWidgetKind(int32_t(kind)))
        return nullptr;
    widgets.push_back(WidgetNode{nextWidgetId++, kind, defaultRecord(kind)});
    return &widgets.back();
}

WidgetNode* CPage::findWidget(int32_t id) {
    auto it = std::find_if(widgets.begin(), widgets.end(), [id](auto& w) { return w.id == id; });
    return it == widgets.end() ? nullptr : &*it;
}

const WidgetNode* CPage::findWidget(int32_t id) const {
    return const_cast<CPage*>(this)->findWidget(id);
}

std::optional<std::vector<uint8_t>> CPage::widgetRecord(int32_t id,
                                                        std::string_view typeName) const {
    const WidgetNode* node = findWidget(id);
    if (!node || node->kind != kindFromTypeName(typeName))
        return std::nullopt;
    return node->record;
}

bool CPage::setWidgetRecord(int32_t id, std::string_view typeName,
                            std::span<const uint8_t> record) {
    WidgetNode* node = findWidget(id);
    if (!node || node->kind != kindFromTypeName(typeName) || record.size() != node->record.size())
        return false;
    std::copy(record.begin(), record.end(), node->record.begin());
    return true;
}

PageProperties CPage::properties() const {
    return {description_, head.upPage(), head.downPage(), head.displayLevel()};
}

void CPage::setProperties(const PageProperties& p) {
    setDescription(p.description);
    head.setUpPage(p.upPage);
    head.setDownPage(p.downPage);
    head.setDisplayLevel(p.displayLevel);
}

int CPage::removeWidget(int32_t id) {
    auto it = std::find_if(widgets.begin(), widgets.end(), [id](auto& w) { return w.id == id; });
    if (it == widgets.end())
        return 0;
    widgets.erase(it);
    return 1;
}

} // namespace zorv
