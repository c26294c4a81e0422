#include "comm/CUsbComm.h"

#include <thread>

#include "comm/UsbPackets.h"

namespace zorv {

using namespace std::chrono_literals;

CUsbComm::CUsbComm(UsbBus& bus, Prompt& prompt)
    : bus_(bus), prompt_(prompt), waits_{1000ms, 2000ms, 3000ms},
      sleep_([](std::chrono::milliseconds d) { std::this_thread::sleep_for(d); }) {}

void CUsbComm::setUnplugWaits(std::array<std::chrono::milliseconds, 3> waits, Sleep sleep) {
    waits_ = waits;
    sleep_ = std::move(sleep);
}

bool CUsbComm::Open() {
    Close();
    device_ = bus_.openFirst();
    return device_ != nullptr;
}

void CUsbComm::Close() {
    device_.reset();
}

template <class Op> bool CUsbComm::withReplug(Op op) {
    UsbStatus status = device_ ? op(*device_) : UsbStatus::BadHandle;
    for (std::size_t i = 0; i < waits_.size(); ++i) {
        if (status != UsbStatus::BadCommand && status != UsbStatus::BadHandle)
            break;
        sleep_(waits_[i]);
        Open();
        status = device_ ? op(*device_) : UsbStatus::BadHandle;
    }
    return status == UsbStatus::Ok;
}

bool CUsbComm::transfer(std::span<const uint8_t> out, std::span<uint8_t> in, std::size_t& got) {
    got = 0;
    if (!withReplug([&](UsbDevice& d) { return d.write(out, timeout_); }))
        return false;
    return withReplug([&](UsbDevice& d) { return d.read(in, got, timeout_); });
}

bool CUsbComm::command(std::span<const uint8_t> packet, std::span<const uint8_t> success,
                       std::span<const uint8_t> error, const char* message) {
    std::array<uint8_t, kUsbCommandSize> reply{};
    std::size_t got = 0;
    if (!transfer(packet, reply, got))
        return false;
    switch (judgeUsbReply(std::span(reply).first(std::min(got, reply.size())), success, error)) {
    case UsbVerdict::Success:
        return true;
    case UsbVerdict::Error:
        prompt_.message(message);
        return false;
    case UsbVerdict::Other:
        break;
    }
    return false;
}

bool CUsbComm::Connect() {
    return command(usbConnectPacket(), usbConnectPacket(), usbDownloadErrorPacket(),
                   kUsbDownloadFailedMessage);
}

bool CUsbComm::WriteData(const uint8_t* data, int n, uint32_t address) {
    if (n < 0 || n > int(kUsbMaxData) || (n > 0 && !data))
        return false;
    const auto packet = usbWritePacket(address, {data, std::size_t(n)});
    return command(packet, usbWriteAckPacket(), usbDownloadErrorPacket(),
                   kUsbDownloadFailedMessage);
}

bool CUsbComm::EndData() {
    return command(usbEndDataPacket(), usbEndDataPacket(), usbUploadErrorPacket(),
                   kUsbUploadFailedMessage);
}

bool CUsbComm::CompleteDownload() {
    return command(usbCompletePacket(), usbCompletePacket(), {}, nullptr);
}

bool CUsbComm::QueryRunning() {
    std::array<uint8_t, kUsbRunningReplySize> reply{};
    std::size_t got = 0;
    return transfer(usbQueryRunningPacket(), reply, got) &&
           isRunningReply(std::span(reply).first(std::min(got, reply.size())));
}

bool CUsbComm::Run() {
    return command(usbRunPacket(), usbRunPacket(), {}, nullptr);
}

bool CUsbComm::Stop() {
    return command(usbStopPacket(), usbStopPacket(), {}, nullptr);
}

} // namespace zorv
