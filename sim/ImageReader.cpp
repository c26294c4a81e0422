#include "sim/ImageReader.h"

#include <algorithm>

#include "model/Bytes.h"
#include "sim/ImageReaderWidgets.h"

namespace zorv::sim {

using namespace detail;

namespace {

constexpr uint32_t kHeaderSize = 120;
constexpr uint32_t kTrailerSize = 4;
constexpr uint8_t kTrailer[kTrailerSize] = {0xA5, 0x5A, 0xEF, 0xFE};
constexpr uint32_t kAsciiGlyphs = 95, kAsciiGlyphSize = 16;
constexpr uint32_t kAsciiFontSize = kAsciiGlyphs * kAsciiGlyphSize;
constexpr uint32_t kGlyphSize = 32;
constexpr uint32_t kMaxGlyphs = 512;
constexpr uint16_t kGlyphBase = 0xC000;
constexpr uint32_t kPageHeadSize = 20;
constexpr uint32_t kAlarmHeadSize = 20;
constexpr uint16_t kNoAlarmPage = 0xFFFF;
constexpr uint8_t kAlarmKind = 11;
constexpr uint8_t kAlarmRowsPerPage = 4;

std::string num(uint64_t v) {
    return std::to_string(v);
}

class Reader {
public:
    Reader(std::span<const uint8_t> bytes, ImageDescription& out) : bytes_(bytes), out_(out) {}
    bool read();
    const std::string& message() const { return fault_.message(); }

private:
    uint16_t u16(uint32_t off) const { return le::u16(bytes_.data() + off); }
    uint32_t u32(uint32_t off) const { return le::u32(bytes_.data() + off); }
    bool expectField(uint32_t off, uint32_t actual, uint32_t expected, const char* name) {
        if (actual == expected)
            return true;
        return fault_.fail("header field " + num(off) + " (" + name + ") is " + num(actual) +
                           ", expected " + num(expected));
    }
    bool pageIndexField(uint32_t off, const char* name, bool alarmAllowed);

    bool readHeader();
    bool readTrailer();
    bool readDirectory();
    bool readPage(std::size_t index, uint32_t end, uint32_t passwordLevels);
    void readFonts();
    bool readAlarmSection();

    std::span<const uint8_t> bytes_;
    ImageDescription& out_;
    ImageFault fault_;
    std::size_t pageCount_ = 0, glyphCount_ = 0;
    std::vector<uint32_t> pageOffsets_;
    WidgetSequence sequence_;
};

bool Reader::read() {
    out_ = ImageDescription{};
    out_.fileSize = bytes_.size();
    if (bytes_.size() < kHeaderSize + kTrailerSize)
        return fault_.fail("image of " + num(bytes_.size()) +
                           " bytes is shorter than its header and trailer (124 bytes)");
    if (!readHeader() || !readTrailer() || !readDirectory())
        return false;
    const uint32_t passwordLevels = u32(108);
    for (std::size_t i = 0; i < pageCount_; ++i) {
        const uint32_t end = i + 1 < pageCount_ ? pageOffsets_[i + 1] : out_.asciiFontOffset;
        if (!readPage(i, end, passwordLevels))
            return false;
    }
    fault_.setPlace("");
    readFonts();
    if (!readAlarmSection())
        return false;
    fault_.setPlace("");
    if (bytes_.size() > kImageSizeLimit)
        return fault_.fail("image of " + num(bytes_.size()) + " bytes exceeds the limit of " +
                           num(kImageSizeLimit) + " bytes");
    return true;
}

bool Reader::readHeader() {
    std::copy_n(bytes_.begin(), kHeaderSize, out_.header.begin());
    const uint32_t size = uint32_t(bytes_.size());
    pageCount_ = u16(76);
    const uint32_t n = uint32_t(pageCount_);
    out_.asciiFontOffset = u32(80);
    out_.glyphTableOffset = u32(84);
    out_.alarmSectionOffset = u32(92);
    out_.languages = bytes_[117];
    if (!expectField(78, u16(78), kGlyphBase, "glyph reference base") ||
        !expectField(88, u32(88), kHeaderSize, "page offset table") ||
        !expectField(96, u32(96), kHeaderSize + 4 * n, "page number table") ||
        !expectField(104, u32(104), 0, "reserved"))
        return false;
    if (out_.asciiFontOffset < kHeaderSize + 6 * n)
        return fault_.fail("header field 80 (ASCII font) is " + num(out_.asciiFontOffset) +
                           ", before the end of the page directory " + num(kHeaderSize + 6 * n));
    if (out_.asciiFontOffset > size)
        return fault_.fail("header field 80 (ASCII font) is " + num(out_.asciiFontOffset) +
                           ", beyond the end of the image (" + num(size) + " bytes)");
    if (!expectField(84, out_.glyphTableOffset,
                     uint32_t(uint64_t(out_.asciiFontOffset) + kAsciiFontSize),
                     "glyph table = field 80 + 1520"))
        return false;
    if (out_.alarmSectionOffset < out_.glyphTableOffset ||
        (out_.alarmSectionOffset - out_.glyphTableOffset) % kGlyphSize != 0)
        return fault_.fail("header field 92 (alarm section) is " + num(out_.alarmSectionOffset) +
                           ", not field 84 + 32 x the number of glyphs (field 84 is " +
                           num(out_.glyphTableOffset) + ")");
    glyphCount_ = (out_.alarmSectionOffset - out_.glyphTableOffset) / kGlyphSize;
    if (glyphCount_ > kMaxGlyphs)
        return fault_.fail("glyph table of " + num(glyphCount_) + " glyphs, more than 512");
    if (uint64_t(out_.alarmSectionOffset) + kAlarmHeadSize > size - kTrailerSize)
        return fault_.fail("alarm section at " + num(out_.alarmSectionOffset) +
                           " beyond the end of the image (" + num(size) + " bytes)");
    if (out_.languages != 1 && out_.languages != 2)
        return fault_.fail("header byte 117 (languages) is " + num(out_.languages) +
                           ", expected 1 or 2");
    return pageIndexField(68, "start page", false) && pageIndexField(70, "default page", false) &&
           pageIndexField(72, "screen-saver page", false) && pageIndexField(74, "alarm page", true);
}

bool Reader::pageIndexField(uint32_t off, const char* name, bool alarmAllowed) {
    const uint16_t index = u16(off);
    switch (off) {
    case 68:
        out_.startPage = index;
        break;
    case 70:
        out_.defaultPage = index;
        break;
    case 72:
        out_.screenSaverPage = index;
        break;
    default:
        out_.alarmPage = index;
        break;
    }
    // An image without pages keeps index 0 in its page fields.
    if (index < pageCount_ || (pageCount_ == 0 && index == 0) ||
        (alarmAllowed && index == kNoAlarmPage))
        return true;
    return fault_.fail("header field " + num(off) + " (" + name + ") is page index " + num(index) +
                       " of " + num(pageCount_) + " pages");
}

bool Reader::readTrailer() {
    const auto tail = bytes_.last(kTrailerSize);
    if (std::equal(tail.begin(), tail.end(), kTrailer))
        return true;
    char text[64];
    std::snprintf(text, sizeof text, "trailer %02X %02X %02X %02X, expected A5 5A EF FE", tail[0],
                  tail[1], tail[2], tail[3]);
    return fault_.fail(text);
}

bool Reader::readDirectory() {
    const uint32_t n = uint32_t(pageCount_);
    uint32_t expected = kHeaderSize + 6 * n;
    for (uint32_t i = 0; i < n; ++i) {
        const uint32_t off = u32(kHeaderSize + 4 * i);
        const uint16_t number = u16(kHeaderSize + 4 * n + 2 * i);
        if (i == 0 && off != expected)
            return fault_.fail("page 0 offset " + num(off) + ", expected " + num(expected) +
                               " (the end of the page directory)");
        if (off < expected || off > out_.asciiFontOffset ||
            out_.asciiFontOffset - off < kPageHeadSize)
            return fault_.fail("page " + num(i) + " offset " + num(off) + " outside " +
                               num(expected) + " .. " + num(out_.asciiFontOffset) + " - 20");
        if (i > 0 && number <= out_.pages.back().number)
            return fault_.fail("page " + num(i) + " number " + num(number) +
                               " not above the number of page " + num(i - 1) + " (" +
                               num(out_.pages.back().number) + ")");
        pageOffsets_.push_back(off);
        ImagePage page;
        page.offset = off;
        page.number = number;
        out_.pages.push_back(page);
        expected = off + kPageHeadSize;
    }
    return true;
}

bool Reader::readPage(std::size_t index, uint32_t end, uint32_t passwordLevels) {
    ImagePage& page = out_.pages[index];
    page.size = end - page.offset;
    fault_.setPlace("page " + num(index) + " (number " + num(page.number) + ")");
    const Region region{bytes_.subspan(page.offset, page.size)};
    std::copy_n(region.bytes.begin(), kPageHeadSize, page.head.begin());
    page.upPage = region.u16(8);
    page.downPage = region.u16(10);
    page.displayLevel = region.u8(15);
    if (region.u16(0) != index)
        return fault_.fail("page head holds index " + num(region.u16(0)));
    if (region.u16(12) != kPageHeadSize)
        return fault_.fail("widget offset table offset " + num(region.u16(12)) + ", expected 20");
    if (page.upPage >= pageCount_)
        return fault_.fail("up page index " + num(page.upPage) + " of " + num(pageCount_) +
                           " pages");
    if (page.downPage >= pageCount_)
        return fault_.fail("down page index " + num(page.downPage) + " of " + num(pageCount_) +
                           " pages");
    // The head keeps only the low byte of the widget count; the offset table gives the count.
    std::size_t k = 0;
    if (page.size > kPageHeadSize) {
        if (page.size < kPageHeadSize + 2)
            return fault_.fail("page of " + num(page.size) + " bytes");
        const uint32_t first = region.u16(kPageHeadSize);
        if (first <= kPageHeadSize || first % 2 != 0 || first > page.size)
            return fault_.fail("first widget offset " + num(first) +
                               " does not end a widget "
                               "offset table within the page end " +
                               num(page.size));
        k = (first - kPageHeadSize) / 2;
    }
    if (region.u8(14) != uint8_t(k))
        return fault_.fail("widget count byte " + num(region.u8(14)) +
                           ", but the offset table "
                           "holds " +
                           num(k) + " widgets");
    sequence_.trendSum = 0;
    sequence_.lastKind = 0;
    sequence_.lastRegisterKey = 0;
    const std::string place = "page " + num(index) + " (number " + num(page.number) + ")";
    for (std::size_t j = 0; j < k; ++j) {
        const uint32_t start = region.u16(uint32_t(kPageHeadSize + 2 * j));
        const uint32_t next =
            j + 1 < k ? region.u16(uint32_t(kPageHeadSize + 2 * (j + 1))) : page.size;
        const uint32_t expectedStart = j == 0
                                           ? kPageHeadSize + 2 * uint32_t(k)
                                           : page.widgets.back().offset + page.widgets.back().size;
        fault_.setPlace(place + ": widget " + num(j));
        if (start != expectedStart)
            return fault_.fail("offset " + num(start) + ", expected " + num(expectedStart));
        if (next < start || next > page.size)
            return fault_.fail("the next widget offset " + num(next) + " lies outside " +
                               num(start) + " .. " + num(page.size));
        if (start < page.size && isWidgetKind(region.u8(start)))
            fault_.setPlace(place + ": widget " + num(j) + " (" +
                            std::string(typeName(WidgetKind(region.u8(start)))) + ")");
        const WidgetPlace where{region, start, next, j, glyphCount_, pageCount_, passwordLevels};
        ImageWidget widget;
        const bool ok = readWidget(where, sequence_, widget, fault_);
        page.widgets.push_back(std::move(widget));
        if (!ok)
            return false;
    }
    return true;
}

void Reader::readFonts() {
    for (uint32_t i = 0; i < kAsciiGlyphs; ++i) {
        auto& glyph = out_.asciiGlyphs.emplace_back();
        std::copy_n(bytes_.begin() + out_.asciiFontOffset + kAsciiGlyphSize * i, kAsciiGlyphSize,
                    glyph.begin());
    }
    for (std::size_t k = 0; k < glyphCount_; ++k) {
        auto& glyph = out_.glyphs.emplace_back();
        std::copy_n(bytes_.begin() + out_.glyphTableOffset + kGlyphSize * k, kGlyphSize,
                    glyph.begin());
    }
}

bool Reader::readAlarmSection() {
    ImageAlarmSection& alarms = out_.alarms;
    alarms.offset = out_.alarmSectionOffset;
    alarms.size = uint32_t(bytes_.size()) - kTrailerSize - alarms.offset;
    fault_.setPlace("alarm section");
    const Region region{bytes_.subspan(alarms.offset, alarms.size)};
    std::copy_n(region.bytes.begin(), kAlarmHeadSize, alarms.head.begin());
    if (region.u8(0) != kAlarmKind)
        return fault_.fail("kind byte " + num(region.u8(0)) + ", expected 11");
    if (region.u8(13) != kAlarmRowsPerPage)
        return fault_.fail("rows byte 13 is " + num(region.u8(13)) + ", expected 4");
    if (region.u16(14) != kAlarmHeadSize)
        return fault_.fail("text offset table offset " + num(region.u16(14)) + ", expected 20");
    // Bytes 10-11 hold the number of alarms; entry 0 is the no-alarm text.
    const uint32_t entries = uint32_t(region.u16(10)) + 1;
    std::vector<ImageChoice> choices(entries);
    uint32_t end = 0;
    const StringBounds bounds{alarms.size, "the end of the alarm section", glyphCount_};
    if (!readTextTable(region, kAlarmHeadSize, kAlarmHeadSize + 4 * entries, bounds, "entry",
                       choices, end, fault_))
        return false;
    for (auto& c : choices) {
        alarms.entries[0].push_back(std::move(c.text[0]));
        alarms.entries[1].push_back(std::move(c.text[1]));
    }
    if (end != alarms.size)
        return fault_.fail("texts end at " + num(end) + ", " + num(alarms.size - end) +
                           " bytes before the trailer");
    return true;
}

} // namespace

bool readImage(std::span<const uint8_t> bytes, ImageDescription& out, std::string& error) {
    Reader reader(bytes, out);
    const bool ok = reader.read();
    error = ok ? std::string() : reader.message();
    return ok;
}

} // namespace zorv::sim
