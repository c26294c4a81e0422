#include "image/ImageCompiler.h"

#include <algorithm>

#include "image/CompilePlace.h"
#include "image/CompileSymbols.h"
#include "image/CompileTexts.h"
#include "image/GlyphCodeList.h"
#include "image/GlyphTable.h"
#include "image/PageEncoder.h"
#include "image/PageIndexMap.h"
#include "image/TextConversion.h"
#include "image/WidgetEncoder.h"
#include "model/ByteReader.h"
#include "model/WidgetRecords.h"

namespace zorv {

namespace {

constexpr std::size_t kHeaderSize = ProjectHeader::kSize;
constexpr std::size_t kGlyphBytes = 32;
constexpr std::size_t kAsciiFontOff = 80, kGlyphTableOff = 84, kPageOffsetsOff = 88;
constexpr std::size_t kAlarmSectionOff = 92, kPageNumbersOff = 96, kLastSectionFieldOff = 104;
constexpr uint8_t kAlarmSectionRows = 4;
constexpr uint8_t kTrailer[4] = {0xA5, 0x5A, 0xEF, 0xFE};

// Names the widget whose text or symbol needs the 513th glyph.
std::string tooManyGlyphs(const CompilePlace& place) {
    return std::string(kTooManyGlyphsMessage) + " The limit is passed on " + place.describe() + ".";
}

// The project as the compile changes it; nodes that no record kind fits are left out.
CHCData workingCopy(const CHCData& project) {
    CHCData work;
    work.header = project.header;
    work.alarmList = project.alarmList;
    work.fixedPartSizes = project.fixedPartSizes;
    for (const auto& page : project.pages()) {
        auto copy = std::make_unique<CPage>(*page);
        std::erase_if(copy->widgets, [](const WidgetNode& n) {
            return !isWidgetKind(int32_t(n.kind)) || n.record.size() != recordSize(n.kind);
        });
        work.appendPage(std::move(copy));
    }
    return work;
}

// A page refused as a whole, or for a widget its message already names.
CompilePlace pageOnly(int number) {
    CompilePlace place;
    place.pageNumber = number;
    return place;
}

CompilePlace placeOf(const CPage& page, const WidgetNode& node) {
    return {page.number(), node.kind, le::u16(node.record.data() + 2),
            le::u16(node.record.data() + 4)};
}

class Compilation {
public:
    Compilation(const CHCData& project, const GlyphSources& fonts)
        : work_(workingCopy(project)), fonts_(fonts) {}

    CompileResult run() {
        CompileResult result;
        if (!convertTexts() || !convertSymbols() || !writeImage(result.image)) {
            result.image.clear();
            result.message = message_;
            result.refusedAt = refusedAt_;
            return result;
        }
        result.ok = true;
        result.glyphCount = glyphs_.size();
        result.textGlyphCount = glyphs_.textGlyphCount();
        return result;
    }

private:
    CHCData work_;
    const GlyphSources& fonts_;
    GlyphCodeList glyphs_;
    std::vector<CompilePlace> places_; // where each glyph was first used
    std::string message_;
    std::optional<CompilePlace> refusedAt_;

    bool fail(std::string message) {
        message_ = std::move(message);
        return false;
    }

    bool refuse(std::string message, const CompilePlace& place) {
        refusedAt_ = place;
        return fail(std::move(message));
    }

    bool convertSlot(uint8_t* slotBytes, const CompilePlace& place) {
        const std::span<uint8_t, TextSlot::kSize> slot(slotBytes, TextSlot::kSize);
        TextSlot text = TextSlot::fromSlot(slot);
        if (!convertText(text, glyphs_))
            return refuse(tooManyGlyphs(place), place);
        text.toSlot(slot);
        places_.resize(std::size_t(glyphs_.size()), place);
        return true;
    }

    // Every text of the pages in index and list order, then the system alarm list.
    bool convertTexts() {
        for (const auto& page : work_.pages()) {
            for (WidgetNode& node : page->widgets) {
                const CompilePlace place = placeOf(*page, node);
                for (std::size_t off : convertedTextSlots(node.kind, node.record)) {
                    if (!convertSlot(node.record.data() + off, place))
                        return false;
                }
            }
        }
        AlarmListRecord& alarms = work_.alarmList;
        for (std::size_t off : convertedTextSlots(WidgetKind::Alarm, alarms.bytes)) {
            if (!convertSlot(alarms.bytes.data() + off, CompilePlace{}))
                return false;
        }
        glyphs_.markTextGlyphs();
        return true;
    }

    bool convertSymbol(std::span<uint8_t> symbol, const CompilePlace& place) {
        if (!convertSymbolString(symbol, glyphs_))
            return refuse(tooManyGlyphs(place), place);
        places_.resize(std::size_t(glyphs_.size()), place);
        return true;
    }

    bool convertSymbols() {
        for (const auto& page : work_.pages()) {
            for (WidgetNode& node : page->widgets) {
                const CompilePlace place = placeOf(*page, node);
                if (node.kind == WidgetKind::Led) {
                    auto light = node.get<LedRecord>();
                    setLightSymbolString(light);
                    if (!convertSymbol(light.span(LedRecord::kSymbolTextOff, light.symbolLength()),
                                       place))
                        return false;
                    node.set(light);
                } else if (node.kind == WidgetKind::Key) {
                    auto key = node.get<KeyRecord>();
                    setKeySymbolString(key);
                    if (!convertSymbol(key.span(KeyRecord::kSymbolTextOff, key.symbolLength()),
                                       place))
                        return false;
                    node.set(key);
                }
            }
        }
        return true;
    }

    bool writeImage(std::vector<uint8_t>& image) {
        const PageIndexMap map(work_);
        mapPageNumbers(work_, map);
        const std::size_t n = std::size_t(work_.pageCount());
        const std::size_t pagesAt = kHeaderSize + 6 * n;

        std::vector<uint8_t> pages;
        std::vector<uint32_t> pageOffsets;
        EncodeCounters counters;
        counters.passwordLevels = uint8_t(work_.header.passwordLevels() & 0x0F);
        for (std::size_t i = 0; i < n; ++i) {
            CPage& page = *work_.page(int(i));
            pageOffsets.push_back(uint32_t(pagesAt + pages.size()));
            orderWidgetsForImage(page.widgets);
            if (!encodePage(page, map.numbers()[i], counters, pages, message_))
                return refuse(message_, pageOnly(map.numbers()[i]));
        }

        ProjectHeader header = work_.header;
        const uint32_t fontAt = uint32_t(pagesAt + pages.size());
        const uint32_t glyphsAt = uint32_t(fontAt + kAsciiFontBytes);
        header.setPageCount(uint16_t(n));
        header.setU32(kAsciiFontOff, fontAt);
        header.setU32(kGlyphTableOff, glyphsAt);
        header.setU32(kPageOffsetsOff, uint32_t(kHeaderSize));
        header.setU32(kAlarmSectionOff, uint32_t(glyphsAt + kGlyphBytes * glyphs_.size()));
        header.setU32(kPageNumbersOff, uint32_t(kHeaderSize + 4 * n));
        header.setU32(kLastSectionFieldOff, 0);

        ByteWriter w(image);
        w.bytes(header.bytes);
        for (uint32_t offset : pageOffsets)
            w.u32(offset);
        for (uint16_t number : map.numbers())
            w.u16(number);
        w.bytes(pages);
        return writeFonts(image) && writeAlarmSection(image);
    }

    // The font files are taken in the order Asc16, Hzk14, UserLib, Syslib1.
    bool writeFonts(std::vector<uint8_t>& image) {
        const auto& asc16 = fonts_.file(FontFile::Asc16);
        if (!asc16)
            return fail(fontOpenFailure(FontFile::Asc16));
        if (!appendAsciiFont(*asc16, image, message_))
            return false;
        for (FontFile f : {FontFile::Hzk14, FontFile::UserLib, FontFile::Syslib1}) {
            if (!fonts_.file(f))
                return fail(fontOpenFailure(f));
        }
        return appendGlyphTable(glyphs_, places_, fonts_, image, message_, refusedAt_);
    }

    bool writeAlarmSection(std::vector<uint8_t>& image) {
        AlarmListRecord alarms = work_.alarmList;
        alarms.setRows(kAlarmSectionRows);
        appendAlarmList(alarms, 0, image);
        image.insert(image.end(), std::begin(kTrailer), std::end(kTrailer));
        return true;
    }
};

} // namespace

CompileResult compileImage(const CHCData& project, const GlyphSources& fonts) {
    return Compilation(project, fonts).run();
}

CompileResult compileImage(const CHCData& project, const Paths& paths) {
    return compileImage(project, readGlyphSources(paths));
}

} // namespace zorv
