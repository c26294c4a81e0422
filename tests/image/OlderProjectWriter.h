#pragma once
// Writes older text-display project files in the layout docs/older-project-format.md gives, for
// the translator's tests: header fields, page records with their objects and end marks, alarms.

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zorv::test {

// Fluent little-endian field bytes of one object.
class Fields {
public:
    Fields& u8(uint8_t v);
    Fields& u16(uint16_t v);
    Fields& i32(int32_t v);
    Fields& str(std::string_view s); // length byte and bytes
    Fields& reg(uint8_t station, uint8_t type, uint16_t address);
    Fields& raw(std::vector<uint8_t> b);
    std::vector<uint8_t> bytes;
};

struct OlderHeader {
    uint16_t passwordLevels = 3;
    uint16_t startPage = 2;
    uint16_t pageControl = 40;
    uint16_t defaultPage = 5;
    uint8_t timeout = 2;
    uint8_t optionFlags = 0x88;
    uint8_t optionSwitch = 0;
};

class OlderProjectWriter {
public:
    explicit OlderProjectWriter(OlderHeader header = {});

    // Starts a page record; `objects` is the count the record claims (-1: the objects written).
    void beginPage(uint16_t number, std::string_view description, uint16_t up, uint16_t down,
                   int objects = -1);
    // An object of the class: its tag (the name the first time, the reference after that) and
    // its fields; `padding` zero bytes follow it.
    void object(std::string_view className, const Fields& fields, int padding = 0);
    void endPage();
    // The file: the pages, then the alarm list; `claimedPages` (-1: the pages written) goes to
    // the header, `claimedAlarms` (-1: the texts given) to the alarm list.
    std::vector<uint8_t> finish(uint16_t alarmStart, const std::vector<std::string>& alarms,
                                int claimedPages = -1, int claimedAlarms = -1);

    std::vector<uint8_t> bytes; // as written so far

private:
    OlderHeader header_;
    int pages_ = 0;
    std::size_t countAt_ = 0;
    int objects_ = 0, claimed_ = -1;
    std::set<std::string, std::less<>> named_;
};

} // namespace zorv::test
