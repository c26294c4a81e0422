#pragma once
// One widget of a page: its id (unique within the page), its kind and its record bytes.

#include <cstring>
#include <vector>

#include "model/WidgetKind.h"

namespace zorv {

struct WidgetNode {
    int32_t id = 0;
    WidgetKind kind = WidgetKind::None;
    std::vector<uint8_t> record; // recordSize(kind) bytes

    // A zero-filled record of the kind (before defaults are applied).
    static WidgetNode blank(int32_t id, WidgetKind kind) {
        return WidgetNode{id, kind, std::vector<uint8_t>(recordSize(kind), 0)};
    }

    // Typed copies of the record; R must be the record type of `kind`.
    template <class R> R get() const {
        R r;
        if (kind == R::kKind && record.size() == R::kSize)
            std::memcpy(r.bytes.data(), record.data(), R::kSize);
        return r;
    }
    template <class R> void set(const R& r) {
        kind = R::kKind;
        record.assign(r.bytes.begin(), r.bytes.end());
    }
    template <class R> static WidgetNode of(int32_t id, const R& r) {
        WidgetNode node{id, R::kKind, {}};
        node.set(r);
        return node;
    }
};

} // namespace zorv
