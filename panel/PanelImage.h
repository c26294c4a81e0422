#pragma once
// A download image read for the panel: the reader checks every section, page, widget, string
// and glyph reference, so that drawing and key handling only meet consistent records. The
// widget heads are read through the model's records at their named offsets.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/ProjectHeader.h"
#include "sim/ImageReaderDescription.h"

namespace zorv::panel {

class PanelImage {
public:
    // Replaces the image; on a fault leaves no pages and gives the reader's message.
    bool load(std::span<const uint8_t> bytes, std::string& error);

    bool loaded() const { return loaded_; }
    const sim::ImageDescription& description() const { return image_; }
    const ProjectHeader& header() const { return header_; }
    int pageCount() const { return loaded_ ? int(image_.pages.size()) : 0; }
    // Nothing for an index outside the pages.
    const sim::ImagePage* page(int index) const;
    std::optional<int> pageOfNumber(uint16_t number) const;
    uint16_t pageNumber(int index) const;
    // Languages the texts carry (1 or 2).
    int languages() const { return image_.languages == 2 ? 2 : 1; }

private:
    sim::ImageDescription image_;
    ProjectHeader header_;
    bool loaded_ = false;
};

// A copy of a widget's head in the model's record, for the kinds whose record is small; the
// bytes the head does not hold stay zero.
template <class Record> Record headRecord(const sim::ImageWidget& widget) {
    static_assert(Record::kSize <= 64, "large records are read through HeadBytes");
    Record r;
    std::copy_n(widget.head.begin(), std::min(widget.head.size(), Record::kSize), r.bytes.begin());
    return r;
}

// Bounded reads of a widget head at a record's named offsets; beyond the head they read 0.
class HeadBytes {
public:
    explicit HeadBytes(const sim::ImageWidget& widget) : head_(widget.head) {}
    uint8_t u8(std::size_t off) const { return off < head_.size() ? head_[off] : 0; }
    uint16_t u16(std::size_t off) const { return uint16_t(u8(off) | u8(off + 1) << 8); }
    RegisterRef reg(std::size_t station) const {
        return {u8(station), u8(station + 1), u16(station + 2)};
    }

private:
    std::span<const uint8_t> head_;
};

} // namespace zorv::panel
