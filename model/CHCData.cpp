#include "model/CHCData.h"

#include <algorithm>

namespace zorv {

std::vector<uint16_t> currentFixedPartSizes() {
    std::vector<uint16_t> sizes;
    for (int kind = 1; kind <= kWidgetKindCount; ++kind)
        sizes.push_back(fixedPartSize(WidgetKind(kind)));
    return sizes;
}

CHCData::CHCData()
    : header(ProjectHeader::makeDefault()), alarmList(AlarmListRecord::makeSystemDefault()),
      fixedPartSizes(currentFixedPartSizes()) {}

int CHCData::indexOfNumber(uint16_t number) const {
    for (int i = 0; i < pageCount(); ++i) {
        if (pages_[i]->number() == number)
            return i;
    }
    return -1;
}

CPage* CHCData::pageByNumber(uint16_t number) {
    return page(indexOfNumber(number));
}

const CPage* CHCData::pageByNumber(uint16_t number) const {
    return page(indexOfNumber(number));
}

CPage* CHCData::addPage(uint16_t number, PlaceMode mode) {
    return placePage(std::make_unique<CPage>(number), mode);
}

CPage* CHCData::copyPage(const CPage& source, uint16_t number, PlaceMode mode) {
    auto copy = std::make_unique<CPage>(source);
    copy->head.setNumber(number);
    return placePage(std::move(copy), mode);
}

CPage* CHCData::placePage(std::unique_ptr<CPage> page, PlaceMode mode) {
    const uint16_t n = page->number();
    auto it =
        std::find_if(pages_.begin(), pages_.end(), [n](const auto& p) { return p->number() >= n; });
    if (it != pages_.end() && (*it)->number() == n && mode == PlaceMode::Cover) {
        *it = std::move(page);
        return it->get();
    }
    const bool renumber = it != pages_.end() && (*it)->number() == n;
    it = pages_.insert(it, std::move(page));
    CPage* placed = it->get();
    if (renumber) {
        // Shift the run of consecutive numbers that follows, up to the first gap.
        for (auto next = it + 1; next != pages_.end(); ++next) {
            const uint16_t before = (*(next - 1))->number();
            if ((*next)->number() != before)
                break;
            (*next)->head.setNumber(uint16_t(before + 1));
        }
    }
    return placed;
}

bool CHCData::deletePage(uint16_t number) {
    const int index = indexOfNumber(number);
    if (index < 0)
        return false;
    pages_.erase(pages_.begin() + index);
    return true;
}

void CHCData::replacePages(const std::vector<CPage>& pages) {
    pages_.clear();
    for (const CPage& page : pages)
        pages_.push_back(std::make_unique<CPage>(page));
}

} // namespace zorv
