#include "comm/CComm.h"

#include <random>
#include <vector>

#include "comm/SerialFrames.h"

namespace zorv {

CComm::CComm(SerialPortSystem& ports) : ports_(ports) {
    seedSource_ = [] { return uint8_t(std::random_device{}()); };
}

bool CComm::FindPort() {
    if (port_) {
        tried_ = {{portName_, {}}};
        return Probe(port_.get());
    }
    tried_.clear();
    const std::vector<std::string> candidates =
        chosenPort_.empty() ? ports_.ports() : std::vector<std::string>{chosenPort_};
    for (const std::string& path : candidates) {
        std::string why;
        auto port = OpenPort(path + ":" + kSerialSettings, &why);
        tried_.push_back({path, port ? std::string() : why});
        if (!port)
            continue;
        if (Probe(port.get())) {
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
    return true;
}

bool CComm::exchange(PortHandle handle, std::span<const uint8_t> frame, std::span<uint8_t> reply) {
    if (!handle)
        return false;
    handle->purge();
    if (handle->write(frame, timeouts_.total(frame.size())) != frame.size())
        return false;
    return handle->read(reply, timeouts_.total(reply.size())) == reply.size();
}

bool CComm::acked(PortHandle handle, std::span<const uint8_t> frame) {
    uint8_t reply = 0;
    return exchange(handle, frame, {&reply, 1}) && reply == kAck;
}

bool CComm::Probe(PortHandle handle) {
    const uint8_t enq = kEnq;
    return acked(handle, {&enq, 1});
}

bool CComm::MatchType(PortHandle handle) {
    uint8_t reply[kTypeReplySize];
    return exchange(handle, typeQueryFrame(), reply);
}

bool CComm::QueryStatus(PortHandle handle) {
    uint8_t reply[kStatusReplySize];
    return exchange(handle, statusQueryFrame(), reply);
}

bool CComm::StartTransfer(PortHandle handle, char area) {
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
    if (!exchange(handle, readBlockFrame(address, std::size_t(count)), reply) ||
        !parseReadReply(reply, out))
        return false;
    scramble(out, seed_, address);
    return true;
}

} // namespace zorv
