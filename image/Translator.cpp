// The translation of an older project, step by step: signature, header, pages, alarm list.
#include "image/Translator.h"

#include <algorithm>
#include <iterator>

#include "image/older/OlderAlarmList.h"
#include "image/older/OlderHeader.h"
#include "image/older/OlderPage.h"

namespace zorv {

namespace {
constexpr uint8_t kSignature[6] = {0x08, 'q', 'S', 'p', 'a', 'n'};
} // namespace

bool CTranslator::translate(std::span<const uint8_t> file, CHCData& project) const {
    if (file.size() < sizeof kSignature ||
        !std::equal(std::begin(kSignature), std::end(kSignature), file.begin()))
        return false;
    if (file.size() < older::kHeaderSize)
        return false;
    older::translateHeader(file, project.header);

    older::OlderStream s(file);
    ByteReader& in = s.in();
    in.skip(older::kHeaderSize);
    const int claimed = project.header.pageCount();
    int pages = 0;
    uint16_t number = claimed > 0 ? in.u16() : 0;
    while (pages < claimed) {
        auto page = std::make_unique<CPage>(number);
        CPage& p = *page;
        project.appendPage(std::move(page));
        if (!older::translatePage(s, folder_, p))
            return false;
        ++pages;
        if (pages == claimed)
            break;
        // 0x80 and a nonzero page number announce the next page record.
        const auto mark = s.peek();
        const auto nextNumber = s.peekU16(1);
        if (mark != older::kNextPageMark || !nextNumber || *nextNumber == 0)
            break;
        in.skip(3);
        number = *nextNumber;
    }
    project.header.setPageCount(uint16_t(pages));

    return older::translateAlarmList(s, project.alarmList);
}

} // namespace zorv
