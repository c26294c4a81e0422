// zorv-panel-sim: the operator panel on a pseudo-terminal. Prints the path of the device end,
// plays the panel's side of the serial protocol and stores what it receives.

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/FileRead.h"
#include "sim/PanelDevice.h"
#include "sim/PtyLink.h"

namespace {

std::atomic<bool> stopRequested{false};

void onSignal(int) {
    stopRequested.store(true);
}

int usage() {
    std::fprintf(stderr, "usage: zorv-panel-sim [--baud N] [--running] [--save-image FILE]\n"
                         "  [--save-config FILE] [--config FILE] [--timeout SECONDS]\n"
                         "  [--drop-every N] [--nak-every N] [--corrupt-every N]"
                         " [--silent-after N]\n"
                         "  [--stall-after-blocks N --stall-ms MS]\n");
    return 2;
}

bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

} // namespace

int main(int argc, char** argv) {
    zorv::sim::FaultPlan faults;
    bool running = false;
    int baud = 0;
    long timeout = 0;
    zorv::sim::Stall stall;
    long stallMs = 0;
    std::string saveImage, saveConfig, configFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto number = [&](auto& out) {
            if (i + 1 >= argc)
                return false;
            char* end = nullptr;
            const long v = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || v < 0)
                return false;
            out = decltype(+out)(v);
            return true;
        };
        auto text = [&](std::string& out) {
            if (i + 1 >= argc)
                return false;
            out = argv[++i];
            return true;
        };
        int silent = 0;
        bool ok = true;
        if (arg == "--baud")
            ok = number(baud);
        else if (arg == "--running")
            running = true;
        else if (arg == "--timeout")
            ok = number(timeout);
        else if (arg == "--drop-every")
            ok = number(faults.dropEvery);
        else if (arg == "--nak-every")
            ok = number(faults.nakEvery);
        else if (arg == "--corrupt-every")
            ok = number(faults.corruptEvery);
        else if (arg == "--silent-after")
            ok = number(silent) && (faults.silentAfter = silent, true);
        else if (arg == "--stall-after-blocks")
            ok = number(stall.afterBlocks);
        else if (arg == "--stall-ms")
            ok = number(stallMs);
        else if (arg == "--save-image")
            ok = text(saveImage);
        else if (arg == "--save-config")
            ok = text(saveConfig);
        else if (arg == "--config")
            ok = text(configFile);
        else
            ok = false;
        if (!ok)
            return usage();
    }

    zorv::sim::PanelDevice device(faults, running);
    if (!configFile.empty()) {
        zorv::FileContents config = zorv::readWholeFile(configFile);
        if (!config) {
            std::fprintf(stderr, "zorv-panel-sim: cannot read %s: %s\n", configFile.c_str(),
                         config.failure.c_str());
            return 1;
        }
        device.setConfig(std::move(config.bytes));
    }
    zorv::sim::PtyLink link;
    if (!link.ok()) {
        std::fprintf(stderr, "zorv-panel-sim: no pseudo-terminal\n");
        return 1;
    }
    link.setBaud(baud);
    stall.pause = std::chrono::milliseconds(stallMs);
    link.setStall(stall);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("%s\n", link.devicePath().c_str());
    std::fflush(stdout);
    link.serve(device, stopRequested, std::chrono::seconds(timeout));

    bool ok = true;
    if (!saveImage.empty() && device.imageComplete())
        ok = save(saveImage, device.interfaceImage()) && ok;
    if (!saveConfig.empty() && device.configComplete())
        ok = save(saveConfig, device.config()) && ok;
    for (const auto& problem : device.problems())
        std::fprintf(stderr, "zorv-panel-sim: %s\n", problem.c_str());
    std::fprintf(stderr, "zorv-panel-sim: %d requests, %zu problems\n", device.requests(),
                 device.problems().size());
    return ok ? 0 : 1;
}
