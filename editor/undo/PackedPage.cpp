#include "editor/undo/PackedPage.h"

#include <algorithm>

#include "model/Bytes.h"

namespace zorv {

namespace {

// Shorter runs of zeros stay within the literal bytes: a run's two lengths cost eight bytes.
constexpr std::size_t kShortestRun = 8;

void putLength(std::vector<uint8_t>& out, std::size_t n) {
    const std::size_t at = out.size();
    out.resize(at + 4);
    le::putU32(out.data() + at, uint32_t(n));
}

} // namespace

// Pairs of (zero count, literal count, literal bytes) until the record ends.
std::vector<uint8_t> packRecord(std::span<const uint8_t> record) {
    std::vector<uint8_t> out;
    std::size_t i = 0;
    while (i < record.size()) {
        std::size_t zeros = 0;
        while (i + zeros < record.size() && record[i + zeros] == 0)
            ++zeros;
        i += zeros;
        std::size_t end = i;
        while (end < record.size()) {
            const auto run = std::find_if(record.begin() + std::ptrdiff_t(end), record.end(),
                                          [](uint8_t b) { return b != 0; });
            const std::size_t stop = std::size_t(run - record.begin());
            if (record[end] == 0 && (stop - end >= kShortestRun || stop == record.size()))
                break;
            end = record[end] == 0 ? stop : end + 1;
        }
        putLength(out, zeros);
        putLength(out, end - i);
        out.insert(out.end(), record.begin() + std::ptrdiff_t(i),
                   record.begin() + std::ptrdiff_t(end));
        i = end;
    }
    return out;
}

std::vector<uint8_t> unpackRecord(std::span<const uint8_t> packed) {
    std::vector<uint8_t> record;
    std::size_t i = 0;
    while (i + 8 <= packed.size()) {
        const uint32_t zeros = le::u32(packed.data() + i);
        const uint32_t literal = le::u32(packed.data() + i + 4);
        i += 8;
        record.resize(record.size() + zeros, 0);
        record.insert(record.end(), packed.begin() + std::ptrdiff_t(i),
                      packed.begin() + std::ptrdiff_t(i + literal));
        i += literal;
    }
    return record;
}

PackedPage PackedPage::of(const CPage& page) {
    PackedPage packed{page.head, page.flags, page.nextWidgetId, page.description(), {}};
    packed.widgets.reserve(page.widgets.size());
    for (const WidgetNode& node : page.widgets)
        packed.widgets.push_back(PackedWidget::of(node));
    return packed;
}

CPage PackedPage::page() const {
    CPage page;
    page.head = head;
    page.flags = flags;
    page.nextWidgetId = nextWidgetId;
    page.setDescription(description);
    page.widgets.reserve(widgets.size());
    for (const PackedWidget& widget : widgets)
        page.widgets.push_back(widget.node());
    return page;
}

std::size_t PackedPage::heldBytes() const {
    std::size_t bytes = sizeof(*this) + description.capacity();
    for (const PackedWidget& widget : widgets)
        bytes += sizeof(PackedWidget) + widget.packed.capacity();
    return bytes;
}

} // namespace zorv
