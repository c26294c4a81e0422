// One polling cycle of a typical page over Modbus RTU at 9600 baud, against the pymodbus peer on
// a pty pair, beside the physical bound of its requests and replies (11 bits a character and the
// 3.5-character silences). A pty carries bytes at once, so the peer holds each reply back by the
// time the request and the reply take on a 9600 baud line; what the cycle takes beyond the bound
// is the link's own: libmodbus, the reads of the reply, the pty and the peer's turnaround.
// Counters: cycle_ms and bound_ms per cycle and their ratio (at most 1.25 on a serial line).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

#include "plc/LineBound.h"
#include "plc/PlcLink.h"
#include "tests/plc/ModbusServer.h"

using namespace zorv::plc;

namespace {

constexpr int kBaud = 9600;

struct Read {
    ModbusObject object;
    uint16_t address;
    uint16_t count;
};

// A page with a block of ten registers, four scattered ones merged into one read, its lights'
// coils and the page control registers.
constexpr Read kCycle[] = {{ModbusObject::HoldingRegister, 100, 10},
                           {ModbusObject::HoldingRegister, 200, 6},
                           {ModbusObject::Coil, 0, 16},
                           {ModbusObject::HoldingRegister, 1000, 4}};

uint8_t functionOf(ModbusObject object) {
    switch (object) {
    case ModbusObject::Coil:
        return 1;
    case ModbusObject::DiscreteInput:
        return 2;
    case ModbusObject::HoldingRegister:
        return 3;
    case ModbusObject::InputRegister:
        break;
    }
    return 4;
}

void RtuCycle(benchmark::State& state) {
    if (const std::string why = zorv::test::ModbusServer::missing(); !why.empty()) {
        state.SkipWithError(why.c_str());
        return;
    }
    char pattern[] = "/tmp/zorv-bench-plc-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        state.SkipWithError("no folder for the pty pair");
        return;
    }
    const std::filesystem::path folder = pattern;
    double totalMs = 0;
    {
        zorv::test::ModbusServer server(folder, {.rtu = true, .paceBaud = kBaud});
        LinkSettings settings;
        std::string error;
        if (!server.ready() || !parseLinkSettings(server.linkText(), settings, error)) {
            state.SkipWithError((server.failure() + error).c_str());
            return;
        }
        auto link = makeModbusLink(settings);
        if (!link->connect(error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        std::vector<uint16_t> words;
        std::vector<uint8_t> bits;
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            for (const Read& read : kCycle) {
                const LinkReply reply =
                    isBitObject(read.object)
                        ? link->readBits(1, read.object, read.address, read.count, bits)
                        : link->readWords(1, read.object, read.address, read.count, words);
                if (!reply.ok()) {
                    state.SkipWithError(reply.error.c_str());
                    break;
                }
            }
            totalMs +=
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        }
    }
    std::filesystem::remove_all(folder);

    std::vector<FrameBytes> frames;
    for (const Read& read : kCycle)
        frames.push_back(rtuFrameBytes(functionOf(read.object), read.count));
    const double boundMs = physicalBoundMs(frames, kBaud);
    const double cycleMs = state.iterations() > 0 ? totalMs / double(state.iterations()) : 0.0;
    state.counters["cycle_ms"] = cycleMs;
    state.counters["bound_ms"] = boundMs;
    state.counters["ratio"] = boundMs > 0 ? cycleMs / boundMs : 0.0;
}
BENCHMARK(RtuCycle)
    ->Iterations(10)
    ->Repetitions(7)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
