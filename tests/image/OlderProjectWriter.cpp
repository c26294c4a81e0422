#include "OlderProjectWriter.h"

#include <map>

namespace zorv::test {

Fields& Fields::u8(uint8_t v) {
    bytes.push_back(v);
    return *this;
}
Fields& Fields::u16(uint16_t v) {
    return u8(uint8_t(v)).u8(uint8_t(v >> 8));
}
Fields& Fields::i32(int32_t v) {
    return u16(uint16_t(uint32_t(v))).u16(uint16_t(uint32_t(v) >> 16));
}
Fields& Fields::str(std::string_view s) {
    u8(uint8_t(s.size()));
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
}
Fields& Fields::reg(uint8_t station, uint8_t type, uint16_t address) {
    return u8(station).u8(type).u16(address);
}
Fields& Fields::raw(std::vector<uint8_t> b) {
    bytes.insert(bytes.end(), b.begin(), b.end());
    return *this;
}

namespace {
const std::map<std::string, uint16_t, std::less<>> kReferences = {
    {"CLight", 0x8011}, {"CRegister", 0x8005}, {"CDynamic", 0x8003}, {"CBar", 0x8009},
    {"CTide", 0x8007},  {"CFunction", 0x800F}, {"CChars", 0x800D},   {"CUpLoadPic", 0x800B}};

void put16(std::vector<uint8_t>& b, std::size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
} // namespace

OlderProjectWriter::OlderProjectWriter(OlderHeader h) : bytes(145, 0), header_(h) {
    const uint8_t signature[6] = {0x08, 'q', 'S', 'p', 'a', 'n'};
    std::copy(std::begin(signature), std::end(signature), bytes.begin());
    put16(bytes, 11, h.passwordLevels);
    put16(bytes, 13, h.startPage);
    put16(bytes, 16, h.pageControl);
    put16(bytes, 19, h.defaultPage);
    bytes[21] = h.timeout;
    bytes[22] = h.optionFlags;
    bytes[29] = h.optionSwitch;
}

void OlderProjectWriter::beginPage(uint16_t number, std::string_view description, uint16_t up,
                                   uint16_t down, int objects) {
    Fields f;
    if (pages_ > 0)
        f.u8(0x80);
    f.u16(number).str(description).u16(up).u16(down).raw(std::vector<uint8_t>(20, 0xEE));
    bytes.insert(bytes.end(), f.bytes.begin(), f.bytes.end());
    countAt_ = bytes.size();
    bytes.push_back(0);
    bytes.push_back(0x7F); // the count's high byte is not part of it
    objects_ = 0;
    claimed_ = objects;
    ++pages_;
}

void OlderProjectWriter::object(std::string_view className, const Fields& fields, int padding) {
    Fields tag;
    if (named_.count(className)) {
        tag.u16(kReferences.find(className)->second);
    } else {
        tag.u16(0xFFFF).u16(1).u16(uint16_t(className.size()));
        tag.bytes.insert(tag.bytes.end(), className.begin(), className.end());
        if (kReferences.count(className))
            named_.insert(std::string(className));
    }
    bytes.insert(bytes.end(), tag.bytes.begin(), tag.bytes.end());
    bytes.insert(bytes.end(), fields.bytes.begin(), fields.bytes.end());
    bytes.insert(bytes.end(), std::size_t(padding), 0);
    ++objects_;
}

void OlderProjectWriter::endPage() {
    bytes[countAt_] = uint8_t(claimed_ < 0 ? objects_ : claimed_);
    bytes.push_back(1);
}

std::vector<uint8_t> OlderProjectWriter::finish(uint16_t alarmStart,
                                                const std::vector<std::string>& alarms,
                                                int claimedPages, int claimedAlarms) {
    put16(bytes, 128, uint16_t(claimedPages < 0 ? pages_ : claimedPages));
    Fields f;
    f.u16(alarmStart).raw(std::vector<uint8_t>(103, 0));
    f.u16(uint16_t(claimedAlarms < 0 ? int(alarms.size()) : claimedAlarms));
    for (const auto& a : alarms)
        f.str(a);
    bytes.insert(bytes.end(), f.bytes.begin(), f.bytes.end());
    return bytes;
}

} // namespace zorv::test
