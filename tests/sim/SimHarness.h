#pragma once
// A panel simulator on a pseudo-terminal, served on a thread, and an observer that records
// what a transfer reports.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "comm/CComm.h"
#include "comm/TransferObserver.h"
#include "platform/posix/PosixSerialPort.h"
#include "sim/PanelDevice.h"
#include "sim/PtyLink.h"
#include "tests/TestFolder.h"

namespace zorv::test {

struct RecordingObserver : TransferObserver {
    void status(const std::string& text) override { texts.push_back(text); }
    void progress(int p) override { percents.push_back(p); }
    PromptAnswer ask(const std::string& text, PromptButtons buttons) override {
        (buttons == PromptButtons::Ok ? messages : questions).push_back(text);
        if (buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        return answerYes ? PromptAnswer::Yes : PromptAnswer::No;
    }
    void finished(bool ok) override { result = ok; }
    std::vector<std::string> texts, messages, questions;
    std::vector<int> percents;
    bool answerYes = true;
    std::optional<bool> result;
};

struct ServedPanel {
    // `baud` emulates the line's speed (0: none), for transfers that must last a moment.
    explicit ServedPanel(sim::FaultPlan faults = {}, bool running = false, int baud = 0,
                         sim::Stall stall = {})
        : device(faults, running), ports(std::vector<std::string>{link.devicePath()}), comm(ports) {
        comm.setTimeouts({std::chrono::milliseconds(1), std::chrono::milliseconds(40)});
        link.setBaud(baud);
        link.setStall(stall);
        thread = std::thread([this] { link.serve(device, stop); });
    }
    ~ServedPanel() { halt(); }
    // Stops the panel where it is, so that what it holds can be looked at.
    void halt() {
        stop = true;
        if (thread.joinable())
            thread.join();
    }
    sim::PanelDevice device;
    sim::PtyLink link;
    PosixSerialPortSystem ports;
    CComm comm;
    std::atomic<bool> stop{false};
    std::thread thread;
};

inline std::vector<uint8_t> patternBytes(std::size_t n, unsigned salt = 0) {
    std::vector<uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = uint8_t((i * 131 + salt * 17 + (i >> 8)) & 0xFF);
    return v;
}

inline std::filesystem::path writeTemp(const std::string& name, const std::vector<uint8_t>& b) {
    const auto path = testFolder("zorv_sim_") / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    return path;
}

} // namespace zorv::test
