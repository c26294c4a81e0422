// The project stream (header, fixed-part sizes, pages, alarm list, trailer) and the widget stream.
#include "model/ProjectStream.h"

#include <algorithm>
#include <array>

#include "model/ByteReader.h"
#include "model/stream/AlarmListStream.h"
#include "model/stream/WidgetData.h"

namespace zorv {

namespace {

constexpr std::size_t kSizeTableFiller = 25; // FF 00 00 00 after the fixed-part sizes
constexpr std::size_t kPageFiller = 5;       // FF 00 00 00 after every page block
constexpr std::array<uint8_t, 4> kTrailer{0xA5, 0x5A, 0xEF, 0xFE};
constexpr std::size_t kDescriptionReadLimit = 40;

void writeFiller(ByteWriter& w, std::size_t times) {
    for (std::size_t i = 0; i < times; ++i)
        w.u32(0xFF);
}

void writePage(ByteWriter& w, const CPage& page) {
    w.u32(page.flags);
    const std::string& description = page.description();
    w.u32(uint32_t(description.size()));
    w.bytes(std::span(reinterpret_cast<const uint8_t*>(description.data()), description.size()));
    // Nodes without a kind cannot be represented in the file; they are left out.
    const auto written =
        std::count_if(page.widgets.begin(), page.widgets.end(),
                      [](const WidgetNode& n) { return isWidgetKind(int32_t(n.kind)); });
    w.i32(int32_t(written));
    w.i32(page.nextWidgetId);
    w.bytes(page.head.bytes);
    for (const WidgetNode& node : page.widgets) {
        if (isWidgetKind(int32_t(node.kind)))
            streamparts::writeWidget(w, node);
    }
}

bool readPage(ByteReader& r, CPage& page, const std::vector<uint16_t>& sizes) {
    page.flags = r.u32();
    const uint32_t length = r.u32();
    // At most 40 bytes are read, as older files are read; 39 characters are kept.
    const auto description = r.take(std::min<std::size_t>(length, kDescriptionReadLimit));
    page.setDescription(
        std::string_view(reinterpret_cast<const char*>(description.data()), description.size()));
    const int32_t count = r.i32();
    r.i32(); // the stored next widget id is replaced by the renumbering below
    if (!r.read(page.head.bytes) || count < 0)
        return false;
    int32_t id = 0;
    for (int32_t i = 0; i < count; ++i) {
        r.i32(); // stored ids are not used
        const int32_t kind = r.i32();
        if (!r.ok())
            return false;
        // A node of no kind carries no data and is dropped.
        if (!isWidgetKind(kind))
            continue;
        WidgetNode node = WidgetNode::blank(++id, WidgetKind(kind));
        if (!streamparts::readWidgetData(r, node, sizes))
            return false;
        page.widgets.push_back(std::move(node));
    }
    page.nextWidgetId = id + 1;
    return r.ok();
}

} // namespace

bool beginsWithProjectSignature(std::span<const uint8_t> plain) {
    static constexpr uint8_t kNative[7] = {0x12, 0x00, 'Z', 'O', 'R', 'V', 'v'};
    static constexpr uint8_t kTranslated[7] = {0x06, 'Z', 'O', 'R', 'V', 0x08, 'v'};
    return plain.size() >= 7 && (std::equal(kNative, kNative + 7, plain.begin()) ||
                                 std::equal(kTranslated, kTranslated + 7, plain.begin()));
}

void writeProjectStream(const CHCData& project, std::vector<uint8_t>& out) {
    ByteWriter w(out);
    ProjectHeader header = project.header;
    header.stampSignature();
    header.setPageCount(uint16_t(project.pageCount()));
    w.bytes(header.bytes);
    const auto sizes = currentFixedPartSizes();
    w.u16(uint16_t(sizes.size()));
    for (uint16_t s : sizes)
        w.u16(s);
    writeFiller(w, kSizeTableFiller);
    for (const auto& page : project.pages()) {
        writePage(w, *page);
        writeFiller(w, kPageFiller);
    }
    streamparts::writeAlarmList(w, project.alarmList);
    w.bytes(kTrailer);
}

bool readProjectStream(std::span<const uint8_t> stream, CHCData& project, StreamFault* fault) {
    ByteReader r(stream);
    CHCData read;
    auto refuse = [&](StreamFault::Part part, int page = 0) {
        if (fault)
            *fault = {part, page, read.header.pageCount(), r.ranOut()};
        return false;
    };
    if (!r.read(read.header.bytes))
        return refuse(StreamFault::Part::Header);
    if (!beginsWithProjectSignature(read.header.bytes))
        return refuse(StreamFault::Part::Signature);
    const uint16_t sizeCount = r.u16();
    if (sizeCount > CHCData::kMaxFixedPartSizes)
        return refuse(StreamFault::Part::SizeTable);
    read.fixedPartSizes.assign(sizeCount, 0);
    for (auto& s : read.fixedPartSizes)
        s = r.u16();
    if (!r.skip(4 * kSizeTableFiller))
        return refuse(StreamFault::Part::SizeTable);
    const uint16_t pages = read.header.pageCount();
    // The pages kept, with their stored places from 1.
    std::vector<std::pair<int, std::unique_ptr<CPage>>> kept;
    for (uint16_t i = 0; i < pages; ++i) {
        auto page = std::make_unique<CPage>();
        if (!readPage(r, *page, read.fixedPartSizes) || !r.skip(4 * kPageFiller))
            return refuse(StreamFault::Part::Page, i + 1);
        if (!(page->flags & CPage::kDiscardedFlag))
            kept.emplace_back(i + 1, std::move(page));
    }
    // The page list is kept in ascending page-number order.
    std::stable_sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
        return a.second->number() < b.second->number();
    });
    // The editor finds a page by its number: a second page of one number could not be edited.
    const auto twin = std::adjacent_find(kept.begin(), kept.end(), [](auto& a, auto& b) {
        return a.second->number() == b.second->number();
    });
    if (twin != kept.end()) {
        refuse(StreamFault::Part::PageNumber, std::next(twin)->first);
        if (fault) {
            fault->number = twin->second->number();
            fault->earlierPage = twin->first;
        }
        return false;
    }
    for (auto& entry : kept)
        read.appendPage(std::move(entry.second));
    read.header.setPageCount(uint16_t(read.pageCount()));

    read.alarmList = AlarmListRecord{};
    if (!streamparts::readAlarmList(r, read.alarmList))
        return refuse(StreamFault::Part::AlarmList);
    const auto trailer = r.take(kTrailer.size());
    if (!r.ok() || !std::equal(kTrailer.begin(), kTrailer.end(), trailer.begin()))
        return refuse(StreamFault::Part::EndMark);
    project = std::move(read);
    return true;
}

void writeWidgetStream(std::span<const WidgetNode> widgets, std::vector<uint8_t>& out) {
    ByteWriter w(out);
    const auto sizes = currentFixedPartSizes();
    w.u16(uint16_t(sizes.size()));
    for (uint16_t s : sizes)
        w.u16(s);
    const auto written = std::count_if(widgets.begin(), widgets.end(), [](const WidgetNode& n) {
        return isWidgetKind(int32_t(n.kind));
    });
    w.i32(int32_t(written));
    for (const WidgetNode& node : widgets) {
        if (isWidgetKind(int32_t(node.kind)))
            streamparts::writeWidget(w, node);
    }
}

bool readWidgetStream(std::span<const uint8_t> stream, std::vector<WidgetNode>& widgets) {
    ByteReader r(stream);
    const uint16_t sizeCount = r.u16();
    if (!r.ok() || sizeCount > CHCData::kMaxFixedPartSizes)
        return false;
    std::vector<uint16_t> sizes(sizeCount, 0);
    for (auto& s : sizes)
        s = r.u16();
    const int32_t count = r.i32();
    // Every widget takes at least its id and kind: a count beyond that is refused at once.
    if (!r.ok() || count < 0 || std::size_t(count) > r.remaining() / 8)
        return false;
    std::vector<WidgetNode> read;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t id = r.i32();
        const int32_t kind = r.i32();
        if (!r.ok() || !isWidgetKind(kind))
            return false;
        WidgetNode node = WidgetNode::blank(id, WidgetKind(kind));
        if (!streamparts::readWidgetData(r, node, sizes))
            return false;
        read.push_back(std::move(node));
    }
    if (!r.atEnd())
        return false;
    widgets = std::move(read);
    return true;
}

} // namespace zorv
