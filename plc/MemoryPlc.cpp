#include "plc/MemoryPlc.h"

#include <algorithm>

namespace zorv::plc {

uint16_t MemoryPlc::value(uint8_t unit, ModbusObject object, uint16_t address) const {
    const auto it = cells_.find({unit, object, address});
    return it == cells_.end() ? 0 : it->second;
}

void MemoryPlc::setValue(uint8_t unit, ModbusObject object, uint16_t address, uint16_t value) {
    cells_[{unit, object, address}] = value;
}

void MemoryPlc::refuse(uint8_t unit, ModbusObject object, uint16_t first, uint16_t last,
                       bool writesOnly) {
    refused_.push_back({unit, object, first, last, writesOnly});
}

void MemoryPlc::silence(uint8_t unit, bool silent) {
    silent_.erase(std::remove(silent_.begin(), silent_.end(), unit), silent_.end());
    if (silent)
        silent_.push_back(unit);
}

void MemoryPlc::setDown(bool down) {
    down_ = down;
    if (down)
        connected_ = false;
}

bool MemoryPlc::connect(std::string& error) {
    ++connects_;
    connected_ = !down_;
    if (!connected_)
        error = "Connection refused";
    return connected_;
}

LinkReply MemoryPlc::check(const Request& request) {
    requests_.push_back(request);
    if (!connected_)
        return {LinkReply::Status::LinkDown, 0, "Connection refused"};
    if (std::find(silent_.begin(), silent_.end(), request.unit) != silent_.end())
        return {LinkReply::Status::Timeout, 0, "Connection timed out"};
    const uint32_t last = uint32_t(request.address) + request.count - 1;
    for (const Span& s : refused_)
        if (s.unit == request.unit && s.object == request.object && request.address <= s.last &&
            last >= s.first && (!s.writesOnly || request.kind == Request::Kind::Write))
            return {LinkReply::Status::Exception, kIllegalDataAddress, "Illegal data address"};
    return {};
}

LinkReply MemoryPlc::readBits(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                              std::vector<uint8_t>& bits) {
    const LinkReply reply = check({Request::Kind::Read, unit, object, address, count});
    bits.clear();
    for (uint16_t k = 0; reply.ok() && k < count; ++k)
        bits.push_back(value(unit, object, uint16_t(address + k)) ? 1 : 0);
    return reply;
}

LinkReply MemoryPlc::readWords(uint8_t unit, ModbusObject object, uint16_t address, uint16_t count,
                               std::vector<uint16_t>& words) {
    const LinkReply reply = check({Request::Kind::Read, unit, object, address, count});
    words.clear();
    for (uint16_t k = 0; reply.ok() && k < count; ++k)
        words.push_back(value(unit, object, uint16_t(address + k)));
    return reply;
}

LinkReply MemoryPlc::writeBits(uint8_t unit, uint16_t address, const std::vector<uint8_t>& bits) {
    const LinkReply reply =
        check({Request::Kind::Write, unit, ModbusObject::Coil, address, uint16_t(bits.size())});
    for (std::size_t k = 0; reply.ok() && k < bits.size(); ++k)
        setValue(unit, ModbusObject::Coil, uint16_t(address + k), bits[k] ? 1 : 0);
    return reply;
}

LinkReply MemoryPlc::writeWords(uint8_t unit, uint16_t address,
                                const std::vector<uint16_t>& words) {
    const LinkReply reply = check({Request::Kind::Write, unit, ModbusObject::HoldingRegister,
                                   address, uint16_t(words.size())});
    for (std::size_t k = 0; reply.ok() && k < words.size(); ++k)
        setValue(unit, ModbusObject::HoldingRegister, uint16_t(address + k), words[k]);
    return reply;
}

} // namespace zorv::plc
