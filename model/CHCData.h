#pragma once
// The project: system parameters, system alarm list and the pages in ascending number order.

#include <memory>
#include <vector>

#include "model/CPage.h"
#include "model/ProjectHeader.h"
#include "model/records/AlarmListRecord.h"

namespace zorv {

enum class PlaceMode { Insert, Cover };

class CHCData {
public:
    static constexpr std::size_t kMaxFixedPartSizes = 30;

    CHCData();

    ProjectHeader header;
    AlarmListRecord alarmList;
    // Fixed-part size of each kind as last read from a project file (the writer's own sizes in
    // a new project).
    std::vector<uint16_t> fixedPartSizes;

    int pageCount() const { return int(pages_.size()); }
    CPage* page(int index) {
        return index >= 0 && index < pageCount() ? pages_[index].get() : nullptr;
    }
    const CPage* page(int index) const {
        return index >= 0 && index < pageCount() ? pages_[index].get() : nullptr;
    }
    CPage* pageByNumber(uint16_t number);
    const CPage* pageByNumber(uint16_t number) const;
    int indexOfNumber(uint16_t number) const; // -1 when there is no such page

    // A new page n placed in the sorted list (see placePage).
    CPage* addPage(uint16_t number, PlaceMode mode);
    // A deep copy of `source` as page n, its description kept, placed like a new page.
    CPage* copyPage(const CPage& source, uint16_t number, PlaceMode mode);
    // Places a page by its number: before the first page with a greater number; on an equal
    // number, Cover replaces that page and Insert shifts the run of consecutive numbers after it.
    CPage* placePage(std::unique_ptr<CPage> page, PlaceMode mode);
    bool deletePage(uint16_t number);
    // Appends without sorting; for readers that take the stored order.
    void appendPage(std::unique_ptr<CPage> page) { pages_.push_back(std::move(page)); }

    const std::vector<std::unique_ptr<CPage>>& pages() const { return pages_; }
    // Puts copies of `pages` in place of every page, in the given order.
    void replacePages(const std::vector<CPage>& pages);

private:
    std::vector<std::unique_ptr<CPage>> pages_;
};

// The fixed-part sizes of kinds 1..11 that this version writes.
std::vector<uint16_t> currentFixedPartSizes();

} // namespace zorv
