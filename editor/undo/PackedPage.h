#pragma once
// Widget records and pages as the undo history keeps them: runs of zero bytes (the unused room
// of bitmaps, names and texts, most of a record) are stored as their length only.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/CPage.h"

namespace zorv {

std::vector<uint8_t> packRecord(std::span<const uint8_t> record);
std::vector<uint8_t> unpackRecord(std::span<const uint8_t> packed);

struct PackedWidget {
    int32_t id = 0;
    WidgetKind kind = WidgetKind::None;
    std::vector<uint8_t> packed;

    static PackedWidget of(const WidgetNode& node) {
        return {node.id, node.kind, packRecord(node.record)};
    }
    WidgetNode node() const { return {id, kind, unpackRecord(packed)}; }
};

struct PackedPage {
    PageHead head;
    uint32_t flags = 0;
    int32_t nextWidgetId = 1;
    std::string description;
    std::vector<PackedWidget> widgets;

    static PackedPage of(const CPage& page);
    CPage page() const;
    std::size_t heldBytes() const;
};

} // namespace zorv
