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

using Pages = std::vector<std::unique_ptr<CPage>>;

// Reads the page records that follow the header into `pages`, each numbered by `numbers` where
// it holds one for it, else by its stored number, which goes to `stored`. Pictures go to
// `folder`/pic; without a folder none is written. False on anything unsound; the pages read so
// far stay.
bool readPages(older::OlderStream& s, int claimed, const std::filesystem::path* folder,
               std::span<const uint16_t> numbers, std::vector<uint16_t>& stored, Pages& pages) {
    ByteReader& in = s.in();
    uint16_t number = claimed > 0 ? in.u16() : 0;
    while (int(pages.size()) < claimed) {
        const std::size_t position = pages.size();
        stored.push_back(number);
        pages.push_back(
            std::make_unique<CPage>(position < numbers.size() ? numbers[position] : number));
        if (!older::translatePage(s, folder, *pages.back()))
            return false;
        if (int(pages.size()) == claimed)
            break;
        // 0x80 and a nonzero page number announce the next page record.
        const auto mark = s.peek();
        const auto nextNumber = s.peekU16(1);
        if (mark != older::kNextPageMark || !nextNumber || *nextNumber == 0)
            break;
        in.skip(3);
        number = *nextNumber;
    }
    return true;
}

// The stored numbers with each repeat replaced by the next number no page uses.
std::vector<uint16_t> withFreeNumbers(const std::vector<uint16_t>& stored,
                                      std::vector<RenumberedPage>& renumbered) {
    std::vector<bool> used(0x10000, false);
    for (uint16_t n : stored)
        used[n] = true;
    std::vector<bool> taken(0x10000, false);
    std::vector<uint16_t> numbers;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        uint16_t n = stored[i];
        if (taken[n]) {
            // At most 65535 pages: some number is always free.
            do {
                ++n;
            } while (used[n]);
            used[n] = true;
            renumbered.push_back({int(i) + 1, stored[i], n});
        }
        taken[n] = true;
        numbers.push_back(n);
    }
    return numbers;
}

} // namespace

bool CTranslator::translate(std::span<const uint8_t> file, CHCData& project,
                            std::vector<RenumberedPage>* renumbered) const {
    if (file.size() < sizeof kSignature ||
        !std::equal(std::begin(kSignature), std::end(kSignature), file.begin()))
        return false;
    if (file.size() < older::kHeaderSize)
        return false;
    older::translateHeader(file, project.header);
    const int claimed = project.header.pageCount();

    // A first reading learns every stored page number, so that a page repeating one gets a
    // number no page of the file has, before its pictures are named after it.
    std::vector<uint16_t> stored;
    {
        older::OlderStream first(file);
        first.in().skip(older::kHeaderSize);
        Pages ignored;
        readPages(first, claimed, nullptr, {}, stored, ignored);
    }
    std::vector<RenumberedPage> changes;
    const std::vector<uint16_t> numbers = withFreeNumbers(stored, changes);

    older::OlderStream s(file);
    s.in().skip(older::kHeaderSize);
    Pages pages;
    stored.clear();
    const bool read = readPages(s, claimed, &folder_, numbers, stored, pages);
    // The project keeps its pages in ascending number order, whatever order the file had.
    std::stable_sort(pages.begin(), pages.end(),
                     [](const auto& a, const auto& b) { return a->number() < b->number(); });
    for (auto& page : pages)
        project.appendPage(std::move(page));
    if (renumbered)
        *renumbered = std::move(changes);
    if (!read)
        return false;
    project.header.setPageCount(uint16_t(project.pageCount()));

    return older::translateAlarmList(s, project.alarmList);
}

std::string renumberedPagesWarning(std::span<const RenumberedPage> pages) {
    if (pages.empty())
        return {};
    std::string text = "Pages of the older project that repeat a page number were given the next "
                       "free number:";
    for (const RenumberedPage& p : pages)
        text += "\npage " + std::to_string(p.stored) + " (page record " +
                std::to_string(p.position) + " of the file) is now page " +
                std::to_string(p.given) + ".";
    return text;
}

} // namespace zorv
