#pragma once
// A page: its 20-byte head, description, flags and widgets in creation order.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Bytes.h"
#include "model/WidgetNode.h"

namespace zorv {

struct PageHead : FixedRecord<20> {
    static constexpr std::size_t kNumberOff = 0, kUpPageOff = 8, kDownPageOff = 10;
    static constexpr std::size_t kTableOffsetOff = 12, kWidgetCountOff = 14, kLevelOff = 15;

    // The head of a new page n: head bytes 3, 0, 0, 48, 16 and the neighbours n - 1 and n + 1.
    static PageHead makeDefault(uint16_t number);

    uint16_t number() const { return u16(kNumberOff); }
    void setNumber(uint16_t v) { setU16(kNumberOff, v); }
    uint16_t upPage() const { return u16(kUpPageOff); }
    void setUpPage(uint16_t v) { setU16(kUpPageOff, v); }
    uint16_t downPage() const { return u16(kDownPageOff); }
    void setDownPage(uint16_t v) { setU16(kDownPageOff, v); }
    uint8_t displayLevel() const { return u8(kLevelOff); }
    void setDisplayLevel(uint8_t v) { setU8(kLevelOff, v); }
};
static_assert(sizeof(PageHead) == 20);

// What the page's property pane edits.
struct PageProperties {
    std::string description; // at most 39 characters
    uint16_t upPage = 0;
    uint16_t downPage = 0;
    uint8_t displayLevel = 0;
    bool operator==(const PageProperties&) const = default;
};

class CPage {
public:
    static constexpr std::size_t kDescriptionCapacity = 39;
    static constexpr uint32_t kDiscardedFlag = 1u << 1; // such pages are dropped on reading

    explicit CPage(uint16_t number = 0) : head(PageHead::makeDefault(number)) {}

    PageHead head;
    uint32_t flags = 0;
    int32_t nextWidgetId = 1;
    std::vector<WidgetNode> widgets;

    uint16_t number() const { return head.number(); }
    const std::string& description() const { return description_; }
    // Keeps at most 39 characters.
    void setDescription(std::string_view text);

    // Appends a widget of the type name's kind with the kind's defaults and the next id;
    // nullptr when the name has no kind.
    WidgetNode* addWidget(std::string_view typeName);
    WidgetNode* findWidget(int32_t id);
    const WidgetNode* findWidget(int32_t id) const;
    // A copy of the record of widget `id`, or nothing when no widget has that id or kind.
    std::optional<std::vector<uint8_t>> widgetRecord(int32_t id, std::string_view typeName) const;
    bool setWidgetRecord(int32_t id, std::string_view typeName, std::span<const uint8_t> record);
    // The same operations without an id: the page's own properties.
    PageProperties properties() const;
    void setProperties(const PageProperties& p);
    // 1 when the widget was found and removed, else 0.
    int removeWidget(int32_t id);
    int32_t widgetCount() const { return int32_t(widgets.size()); }

private:
    std::string description_;
};

// The record of a new widget of the kind: its defaults, all other bytes zero.
std::vector<uint8_t> defaultRecord(WidgetKind kind);

} // namespace zorv
