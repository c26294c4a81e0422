#include "search/PageCopies.h"

#include <algorithm>
#include <map>
#include <set>

#include "checks/JumpFields.h"
#include "checks/RegisterFields.h"
#include "model/FileOps.h"
#include "model/PictureFiles.h"
#include "model/RegisterType.h"
#include "search/Renumber.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

using PageNumbers = std::map<int, int>; // a page of the set and the number it becomes

// Jumps into the set go to the pages the set became.
void followJumps(CPage& page, const PageNumbers& numbers) {
    changePageJumps(page, [&](const WidgetNode*, JumpField& jump) {
        if (const auto it = numbers.find(jump.target); it != numbers.end())
            jump.target = it->second;
    });
}

// The run of registers of each shifted family that the set's widgets use, moved by one copy's
// offset; families the set does not use are left out.
std::vector<RegisterMove> registerRuns(const CHCData& project, const std::vector<uint16_t>& set,
                                       const std::vector<RegisterShift>& shifts) {
    std::vector<RegisterMove> runs;
    for (const RegisterShift& shift : shifts) {
        if (shift.offset == 0 || !isRegisterTypeCode(shift.type))
            continue;
        int low = 0x10000, high = -1;
        for (uint16_t number : set)
            for (const WidgetNode& node : project.pageByNumber(number)->widgets)
                visitRegisterFields(node, [&](RegisterField& field) {
                    if (field.reg.type != shift.type)
                        return;
                    low = std::min<int>(low, field.reg.address);
                    high = std::max<int>(high, field.reg.address + field.width - 1);
                });
        if (high < 0)
            continue;
        high = std::min<int>(high, maxAddress(shift.type));
        runs.push_back({shift.type, uint16_t(low), uint16_t(high - low + 1), shift.offset});
    }
    return runs;
}

// The offset of copy k, kept within what a move can name (anything beyond leaves every range).
int32_t timesCopy(int32_t offset, int k) {
    return int32_t(std::clamp<int64_t>(int64_t(offset) * k, -0x10000, 0x10000));
}

} // namespace

bool copyPageSet(CHCData& project, const PageCopyRequest& request, std::vector<uint16_t>& made,
                 std::string& message) {
    std::vector<uint16_t> set = request.pages;
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    if (set.empty()) {
        message = "No page to copy.";
        return false;
    }
    for (uint16_t number : set)
        if (!project.pageByNumber(number)) {
            message = "Page " + std::to_string(number) + " does not exist.";
            return false;
        }
    if (request.copies < 1 || request.copies > 0xFFFF || request.pageOffset == 0) {
        message = request.pageOffset == 0 ? "The copies need a page offset other than 0."
                                          : "The number of copies must be 1 to 65535.";
        return false;
    }
    const std::vector<RegisterMove> runs = registerRuns(project, set, request.shifts);
    std::vector<CPage> copies;
    std::set<int> taken;
    for (const auto& page : project.pages())
        taken.insert(page->number());
    for (int k = 1; k <= request.copies; ++k) {
        PageNumbers numbers;
        for (uint16_t number : set) {
            const int64_t to = int64_t(number) + int64_t(request.pageOffset) * k;
            if (to < 0 || to > 0xFFFF) {
                message = "Copy " + std::to_string(k) + " of page " + std::to_string(number) +
                          " would be page " + std::to_string(to) + ", outside 0 to 65535.";
                return false;
            }
            if (!taken.insert(int(to)).second) {
                message = "Page " + std::to_string(to) + " is taken.";
                return false;
            }
            numbers[number] = int(to);
        }
        CHCData scratch;
        for (uint16_t number : set)
            scratch.appendPage(std::make_unique<CPage>(*project.pageByNumber(number)));
        std::vector<RegisterMove> moves = runs;
        for (RegisterMove& move : moves)
            move.offset = timesCopy(move.offset, k);
        std::vector<RegisterChange> changes;
        if (!renumber(scratch, moves, {}, changes, message)) {
            message = "Copy " + std::to_string(k) + ": " + message + ".";
            return false;
        }
        for (const auto& page : scratch.pages()) {
            followJumps(*page, numbers);
            page->head.setNumber(uint16_t(numbers.at(page->number())));
            copies.push_back(*page);
        }
    }
    made.clear();
    for (CPage& copy : copies) {
        made.push_back(copy.number());
        project.placePage(std::make_unique<CPage>(std::move(copy)), PlaceMode::Insert);
    }
    return true;
}

bool parsePageList(std::string_view text, std::vector<uint16_t>& pages, std::string& message) {
    std::vector<uint16_t> read;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of(", ", at), text.size());
        const std::string_view part = text.substr(at, end - at);
        at = end + 1;
        if (part.empty())
            continue;
        const std::size_t dash = part.find('-');
        auto number = [](std::string_view digits) {
            int n = digits.empty() || digits.size() > 5 ? -1 : 0;
            for (char c : digits)
                n = n < 0 || c < '0' || c > '9' ? -1 : n * 10 + (c - '0');
            return n <= 0xFFFF ? n : -1;
        };
        const int first = number(part.substr(0, dash));
        const int last = dash == std::string_view::npos ? first : number(part.substr(dash + 1));
        if (first < 0 || last < first) {
            message = "\"" + std::string(part) + "\" is no page number or run of pages.";
            return false;
        }
        for (int n = first; n <= last; ++n)
            read.push_back(uint16_t(n));
    }
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    pages = std::move(read);
    return true;
}

bool insertPageTemplate(CHCData& project, const PageTemplate& pages, const fs::path& projectFolder,
                        std::vector<uint16_t>& placed, std::string& message) {
    std::set<int> taken;
    for (const auto& page : project.pages())
        taken.insert(page->number());
    // Pages whose numbers are free keep them; the others take what is left.
    PageNumbers numbers;
    for (const CPage& page : pages.pages)
        if (!taken.contains(page.number()))
            numbers[page.number()] = page.number();
    for (const auto& [from, to] : numbers)
        taken.insert(to);
    for (const CPage& page : pages.pages) {
        if (numbers.contains(page.number()))
            continue;
        int free = -1;
        for (int n = page.number() + 1; n <= 0xFFFF && free < 0; ++n)
            free = taken.contains(n) ? -1 : n;
        for (int n = page.number() - 1; n >= 0 && free < 0; --n)
            free = taken.contains(n) ? -1 : n;
        if (free < 0) {
            message = "The project has no free page number for page " +
                      std::to_string(page.number()) + ".";
            return false;
        }
        taken.insert(free);
        numbers[page.number()] = free;
    }
    // Each picture under a free name of the picture folder.
    const fs::path folder = pictureFolder(projectFolder);
    std::error_code error;
    if (!pages.pictures.empty())
        fs::create_directories(folder, error);
    std::vector<std::pair<std::string, std::string>> renamed;
    std::vector<fs::path> written;
    for (const TemplatePicture& picture : pages.pictures) {
        const fs::path target = freePictureTarget(folder, pictureFileName(picture.name));
        std::string failure;
        if (!fileops::writeFile(target, picture.bytes, &failure)) {
            for (const fs::path& path : written)
                fileops::removeFile(path);
            message = "The picture " + target.string() + " could not be written: " + failure;
            return false;
        }
        written.push_back(target);
        renamed.emplace_back(picture.name, "pic\\" + target.filename().string());
    }
    placed.clear();
    for (const CPage& page : pages.pages) {
        auto copy = std::make_unique<CPage>(page);
        for (WidgetNode& node : copy->widgets)
            changePictureNames(node, [&](std::string& name) {
                const auto it = std::find_if(renamed.begin(), renamed.end(), [&](const auto& r) {
                    return !name.empty() && samePictureName(name, r.first);
                });
                if (it != renamed.end())
                    name = it->second;
            });
        followJumps(*copy, numbers);
        copy->head.setNumber(uint16_t(numbers.at(page.number())));
        placed.push_back(copy->number());
        project.placePage(std::move(copy), PlaceMode::Insert);
    }
    return true;
}

} // namespace zorv
