#include "comm/CComm.h"

#include <algorithm>
#include <random>
#include <vector>

#include "comm/SerialFrames.h"

namespace zorv {

namespace {
using Clock = std::chrono::steady_clock;

std::chrono::milliseconds timeLeft(Clock::time_point deadline) {
    return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()),
                    std::chrono::milliseconds(0));
}
} // namespace

CComm::CComm(SerialPortSystem& ports) : ports_(ports) {
    seedSource_ = [] { return uint8_t(std::random_device{}()); };
}

bool CComm::FindPort() {
    if (port_) {
        const bool answered = Probe(port_.get());
        tried_ = {{portName_, {}, refused_}};
        return answered;
    }
    tried_.clear();
    const std::vector<std::string> candidates =
        chosenPort_.empty() ? ports_.ports() : std::vector<std::string>{chosenPort_};
    for (const std::string& path : candidates) {
        std::string why;
        auto port = OpenPort(path + ":" + kSerialSettings, &why);
        if (!port) {
            tried_.push_back({path, why});
            continue;
        }
        forgetLine();
        const bool answered = Probe(port.get());
        tried_.push_back({path, {}, refused_});
        if (answered) {
            port_ = std::move(port);
            portName_ = path;
            settings_ = kSerialSettings;
            return true;
        }
    }
    return false;
}

std::unique_ptr<SerialPort> CComm::OpenPort(const std::string& text, std::string* why) {
    // The settings are the first field after the path that reads as settings, so that a path
    // with colons of its own (/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0) is kept
    // whole.
    std::string ignored;
    std::string& reason = why ? *why : ignored;
    for (auto colon = text.find(':'); colon != std::string::npos;
         colon = text.find(':', colon + 1)) {
        const auto end = text.find(':', colon + 1);
        SerialSettings settings;
        if (parseSerialSettings(text.substr(colon + 1, end - colon - 1), settings))
            return ports_.open(text.substr(0, colon), settings, reason);
    }
    reason = "no serial settings given";
    return nullptr;
}

bool CComm::ClosePort() {
    if (!port_)
        return false;
    port_.reset();
    forgetLine();
    return true;
}

void CComm::forgetLine() {
    lastFrame_.clear();
    owed_ = 0;
}

void CComm::dropOwedAnswers(PortHandle handle, std::chrono::milliseconds wait) {
    uint8_t scrap[kMaxBlock];
    while (owed_ > 0) {
        const std::size_t got = handle->read({scrap, std::min(owed_, sizeof scrap)}, wait);
        if (got == 0)
            break;
        owed_ -= got;
    }
    if (wait > wait.zero())
        owed_ = 0;
}

std::size_t CComm::readReply(PortHandle handle, std::span<uint8_t> reply, bool framed) {
    const auto total = timeouts_.total(reply.size());
    if (!framed)
        return handle->read(reply, total);
    // A data reply starts with STX; an ACK or NAK before it answered an earlier frame.
    const auto deadline = Clock::now() + total;
    do {
        if (handle->read(reply.first(1), timeLeft(deadline)) != 1)
            return 0;
        if (reply[0] != kStx && owed_ > 0)
            --owed_;
    } while (reply[0] != kStx);
    return 1 + handle->read(reply.subspan(1), timeLeft(deadline));
}

bool CComm::exchange(PortHandle handle, std::span<const uint8_t> frame, std::span<uint8_t> reply,
                     bool framed) {
    if (!handle)
        return false;
    refused_ = false;
    // A repeat of the frame just sent may take the late answer to an earlier copy, which says
    // the same; before any other frame the panel is given its reply time-out to send what it
    // still owes, so that no earlier answer is taken for this frame's own.
    if (owed_ > 0) {
        const bool repeat =
            std::equal(frame.begin(), frame.end(), lastFrame_.begin(), lastFrame_.end());
        dropOwedAnswers(handle, repeat ? std::chrono::milliseconds(0)
                                       : timeouts_.total(std::min(owed_, kMaxBlock)));
    }
    handle->purge();
    lastFrame_.assign(frame.begin(), frame.end());
    if (handle->write(frame, timeouts_.total(frame.size())) != frame.size())
        return false;
    const std::size_t got = readReply(handle, reply, framed);
    // The panel may still answer, late.
    owed_ += reply.size() - got;
    return got == reply.size();
}

bool CComm::acked(PortHandle handle, std::span<const uint8_t> frame) {
    uint8_t reply = 0;
    const bool answered = exchange(handle, frame, {&reply, 1}, false);
    refused_ = answered && reply == kNak;
    return answered && reply == kAck;
}

bool CComm::Probe(PortHandle handle) {
    const uint8_t enq = kEnq;
    return acked(handle, {&enq, 1});
}

bool CComm::MatchType(PortHandle handle) {
    uint8_t reply[kTypeReplySize];
    return exchange(handle, typeQueryFrame(), reply, true);
}

bool CComm::QueryStatus(PortHandle handle) {
    uint8_t reply[kStatusReplySize];
    return exchange(handle, statusQueryFrame(), reply, true);
}

bool CComm::StartTransfer(PortHandle handle, char area) {
    if (owed_ == 0 || lastFrame_ != startFrame(area, seed_))
        seed_ = seedSource_();
    return acked(handle, startFrame(area, seed_));
}

bool CComm::EndTransfer(PortHandle handle, char area) {
    return acked(handle, endFrame(area));
}

bool CComm::WriteBlock(PortHandle handle, char area, const uint8_t* data, int count,
                       uint16_t address) {
    if (count < 1 || count > int(kMaxBlock) || !data)
        return false;
    std::vector<uint8_t> block(data, data + count);
    scramble(block, seed_, address);
    return acked(handle, writeBlockFrame(area, address, block));
}

bool CComm::ReadBlock(PortHandle handle, uint8_t* data, int count, uint16_t address) {
    if (count < 1 || count > int(kMaxBlock) || !data)
        return false;
    std::vector<uint8_t> reply(readReplySize(std::size_t(count)));
    std::span<uint8_t> out(data, std::size_t(count));
    if (!exchange(handle, readBlockFrame(address, std::size_t(count)), reply, true) ||
        !parseReadReply(reply, out))
        return false;
    scramble(out, seed_, address);
    return true;
}

} // namespace zorv
