#include "comm/SerialFrames.h"

namespace zorv {

namespace {
int hexValue(uint8_t c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

uint8_t checksum8(std::span<const uint8_t> bytes) {
    unsigned sum = 0;
    for (uint8_t b : bytes)
        sum += b;
    return uint8_t(sum);
}

void appendHex(std::string& text, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = digits - 1; i >= 0; --i)
        text.push_back(kDigits[(value >> (4 * i)) & 0xF]);
}

bool hexByte(uint8_t hi, uint8_t lo, uint8_t& out) {
    const int h = hexValue(hi), l = hexValue(lo);
    if (h < 0 || l < 0)
        return false;
    out = uint8_t(h * 16 + l);
    return true;
}

std::vector<uint8_t> serialFrame(std::string_view text) {
    std::vector<uint8_t> frame;
    frame.reserve(text.size() + 4);
    frame.push_back(kStx);
    frame.insert(frame.end(), text.begin(), text.end());
    frame.push_back(kEtx);
    std::string sum;
    appendHex(sum, checksum8(std::span(frame).subspan(1)), 2);
    frame.insert(frame.end(), sum.begin(), sum.end());
    return frame;
}

void scramble(std::span<uint8_t> block, uint8_t seed, uint16_t address) {
    uint8_t a = seed;
    uint8_t b = uint8_t(address + kScrambleOffset);
    for (uint8_t& byte : block) {
        const uint8_t k = uint8_t(a + b);
        byte ^= k;
        a = b;
        b = k;
    }
}

std::vector<uint8_t> typeQueryFrame() {
    return serialFrame("00E0202");
}
std::vector<uint8_t> statusQueryFrame() {
    return serialFrame("E0001C001");
}

std::vector<uint8_t> startFrame(char area, uint8_t seed) {
    std::string text = std::string(1, area) + "7760E";
    appendHex(text, seed, 2);
    return serialFrame(text);
}

std::vector<uint8_t> endFrame(char area) {
    return serialFrame(std::string(1, area) + "8760E");
}

std::vector<uint8_t> writeBlockFrame(char area, uint16_t address, std::span<const uint8_t> data) {
    std::string text = std::string(1, area) + "11";
    appendHex(text, address, 4);
    appendHex(text, unsigned(data.size()), 2);
    for (uint8_t b : data)
        appendHex(text, b, 2);
    return serialFrame(text);
}

std::vector<uint8_t> readBlockFrame(uint16_t address, std::size_t count) {
    std::string text = "C01";
    appendHex(text, address, 4);
    appendHex(text, unsigned(count), 2);
    return serialFrame(text);
}

bool parseReadReply(std::span<const uint8_t> reply, std::span<uint8_t> out) {
    if (reply.size() < readReplySize(out.size()) || reply[0] != kStx)
        return false;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!hexByte(reply[1 + 2 * i], reply[2 + 2 * i], out[i]))
            return false;
    }
    return true;
}

} // namespace zorv
