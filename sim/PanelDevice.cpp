#include "sim/PanelDevice.h"

#include <algorithm>

#include "comm/SerialFrames.h"
#include "comm/UsbPackets.h"

namespace zorv::sim {

namespace {
constexpr std::size_t kLongestFrame = 141;

void store(std::vector<uint8_t>& area, std::size_t offset, std::span<const uint8_t> data) {
    if (area.size() < offset + data.size())
        area.resize(offset + data.size());
    std::copy(data.begin(), data.end(), area.begin() + long(offset));
}
} // namespace

std::vector<uint8_t> PanelDevice::nak(const std::string& problem) {
    problems_.push_back(problem);
    return {kNak};
}

std::vector<uint8_t> PanelDevice::receive(uint8_t byte) {
    if (pending_.empty()) {
        if (byte == kEnq)
            return request({kEnq});
        if (byte != kStx) {
            problems_.push_back("stray byte outside a frame");
            return {};
        }
    }
    pending_.push_back(byte);
    const std::size_t n = pending_.size();
    if (n >= 4 && pending_[n - 3] == kEtx) {
        std::vector<uint8_t> frame;
        frame.swap(pending_);
        return request(std::move(frame));
    }
    if (n > kLongestFrame) {
        pending_.clear();
        problems_.push_back("frame without ETX");
    }
    return {};
}

std::vector<uint8_t> PanelDevice::request(std::vector<uint8_t> frame) {
    const int n = ++requests_;
    if (faults_.silentAfter && n > *faults_.silentAfter)
        return {};
    if (faults_.nakEvery > 0 && n % faults_.nakEvery == 0)
        return {kNak};
    if (faults_.corruptEvery > 0 && n % faults_.corruptEvery == 0 && frame.size() > 4)
        frame[frame.size() / 2] ^= 0x01;
    std::vector<uint8_t> reply;
    if (frame.size() == 1) {
        reply = {kAck};
    } else {
        const std::size_t len = frame.size();
        uint8_t sum = 0;
        if (!hexByte(frame[len - 2], frame[len - 1], sum) ||
            sum != checksum8(std::span(frame).subspan(1, len - 3)))
            reply = nak("bad checksum");
        else
            reply = command(std::string(frame.begin() + 1, frame.end() - 3));
    }
    if (faults_.dropEvery > 0 && n % faults_.dropEvery == 0)
        return {};
    return reply;
}

std::vector<uint8_t> PanelDevice::dataReply(const std::string& hex) const {
    return serialFrame(hex);
}

bool PanelDevice::inSequence(uint32_t address, std::size_t count, uint32_t base) {
    // A repeated block (a retry) is in sequence too.
    const bool ok = lastAddress_
                        ? (address == *lastAddress_ || address == *lastAddress_ + lastCount_)
                        : address == base;
    if (ok) {
        lastAddress_ = address;
        lastCount_ = count;
    }
    return ok;
}

std::vector<uint8_t> PanelDevice::command(const std::string& text) {
    if (text == "00E0202")
        return dataReply("5A01");
    if (text == "E0001C001")
        return dataReply(running_ ? "01" : "00");
    const char area = text.empty() ? 0 : text[0];
    if (area != kInterfaceArea && area != kConfigArea)
        return nak("unknown command " + text);
    const std::string body = text.substr(1);
    uint8_t value = 0;
    if (body.size() == 7 && body.rfind("7760E", 0) == 0 && hexByte(body[5], body[6], value)) {
        area_ = area;
        seed_ = value;
        lastAddress_.reset();
        if (area == kInterfaceArea) {
            image_.clear();
            imageDone_ = false;
        } else {
            configDone_ = false;
        }
        return {kAck};
    }
    if (body == "8760E") {
        if (area_ != area)
            return nak("end without start");
        (area == kInterfaceArea ? imageDone_ : configDone_) = true;
        return {kAck};
    }
    if (body.size() < 8 || (body.compare(0, 2, "11") != 0 && body.compare(0, 2, "01") != 0))
        return nak("unknown command " + text);
    uint8_t a1 = 0, a2 = 0, count = 0;
    if (!hexByte(body[2], body[3], a1) || !hexByte(body[4], body[5], a2) ||
        !hexByte(body[6], body[7], count))
        return nak("bad hex digits");
    const uint32_t address = uint32_t(a1 << 8 | a2);
    const uint32_t base = area == kInterfaceArea ? 0x2000 : 0x4000;
    if (area_ != area)
        return nak("block outside a transfer");
    if (count < 1 || count > kMaxBlock || address < base)
        return nak("bad block count or address");
    const bool write = body[0] == '1';
    if (!inSequence(address, count, base))
        return nak("block address out of sequence");
    if (write) {
        if (body.size() != 8 + 2 * std::size_t(count))
            return nak("data digits do not match the count");
        std::vector<uint8_t> data(count);
        for (std::size_t i = 0; i < count; ++i)
            if (!hexByte(body[8 + 2 * i], body[9 + 2 * i], data[i]))
                return nak("bad hex digits");
        scramble(data, seed_, uint16_t(address));
        store(area == kInterfaceArea ? image_ : config_, address - base, data);
        ++blocksServed_;
        return {kAck};
    }
    if (area != kConfigArea || body.size() != 8)
        return nak("bad read command");
    std::vector<uint8_t> data(count, 0);
    for (std::size_t i = 0; i < count; ++i)
        if (address - base + i < config_.size())
            data[i] = config_[address - base + i];
    scramble(data, seed_, uint16_t(address));
    ++blocksServed_;
    std::string hex;
    for (uint8_t b : data)
        appendHex(hex, b, 2);
    return dataReply(hex);
}

std::vector<uint8_t> PanelDevice::usbPacket(std::span<const uint8_t> packet) {
    ++requests_;
    if (faults_.silentAfter && requests_ > *faults_.silentAfter)
        return {};
    const auto fail = [&](const std::string& problem) {
        problems_.push_back(problem);
        const auto& e = usbDownloadErrorPacket();
        return std::vector<uint8_t>(e.begin(), e.end());
    };
    if (packet.size() < kUsbCommandSize || packet[0] != 0x02)
        return fail("short USB packet");
    const std::size_t n = std::size_t(packet[7] << 8 | packet[8]);
    if (packet.size() < 12 + n || packet[9 + n] != 0x03)
        return fail("bad USB packet length");
    std::vector<uint8_t> check(packet.begin(), packet.begin() + long(12 + n));
    checksum16(check);
    if (!std::equal(check.begin(), check.end(), packet.begin()))
        return fail("bad USB checksum");
    const std::vector<uint8_t> echo(packet.begin(), packet.begin() + 12);
    const uint8_t cls = packet[1], code = packet[2], flag = packet[3];
    if (cls == 0xB1 && code == 0xA1) {
        usbConnected_ = true;
        image_.clear();
        imageDone_ = false;
        lastAddress_.reset();
        return echo;
    }
    if (cls == 0xB1 && code == 0xA2 && flag == 0x00) {
        const uint32_t address = uint32_t(packet[4] << 16 | packet[5] << 8 | packet[6]);
        if (!usbConnected_ || n > kUsbMaxData || !inSequence(address, n, 0))
            return fail("USB write out of sequence");
        store(image_, address, packet.subspan(9, n));
        const auto& ack = usbWriteAckPacket();
        return {ack.begin(), ack.end()};
    }
    if (cls == 0xB1 && code == 0xA2 && flag == 0xFF)
        return echo;
    if (cls == 0xA1 && code == 0xA5) {
        imageDone_ = usbConnected_;
        usbConnected_ = false;
        return echo;
    }
    if (cls == 0xA1 && code == 0xA9) {
        std::vector<uint8_t> r(usbRunningReply().begin(), usbRunningReply().end());
        r[9] = running_ ? 1 : 0;
        checksum16(r);
        return r;
    }
    if (cls == 0xA5 && (code == 0xE4 || code == 0xE5)) {
        running_ = code == 0xE4;
        return echo;
    }
    return fail("unknown USB command");
}

} // namespace zorv::sim
