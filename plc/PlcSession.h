#pragma once
// The panel run against a PLC, one cycle at a time in three phases so that the line's I/O can
// run on a thread of its own while the panel machine stays with its caller:
//   plan()     takes the panel's own writes (its journal) and the reads the shown page needs;
//   exchange() only talks to the link: connects when due, writes first, then reads, one request
//              at a time, stations in turn; it touches neither the session nor the machine;
//   apply()    puts the PLC's values into the machine's table, takes back a refused write, keeps
//              the statistics and the reconnection delays, and lets the machine follow.
// runCycle() does the three in turn. The caller waits settings().pacingMs between cycles.
// attach() readies the machine's table before the first cycle: stations told apart and the
// panel's writes journalled; detach() takes it back offline.

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "comm/ModbusTable.h"
#include "panel/PanelImage.h"
#include "panel/PanelMachine.h"
#include "plc/PlcLink.h"
#include "plc/PollPlanner.h"
#include "plc/ProtocolTable.h"
#include "plc/RegisterMap.h"

namespace zorv::plc {

using SessionClock = std::chrono::steady_clock;

struct SessionSettings {
    int maxGap = 8;             // unused addresses a merged read may span
    int pacingMs = 100;         // between the end of a cycle and the start of the next
    int firstReconnectMs = 500; // after the link is lost, doubling ...
    int lastReconnectMs = 8000; // ... up to this
};

// Where a value read from the PLC goes: a panel register, or one bit of a panel word.
struct ReadTarget {
    ModbusAddress from;
    RegisterRef to;
    int8_t bitOfWord = -1; // 0..15: the bit of the word `to`; -1: the whole register or coil
};

struct WriteRequest {
    ModbusAddress at;
    std::vector<uint16_t> values;  // words, or bits as 0 and 1
    std::vector<RegisterRef> from; // the panel registers written, one per value (none for a
                                   // write of the protocol table)
    std::vector<uint16_t> before;  // their values before the panel wrote them
};

struct CyclePlan {
    bool connect = false;             // the link is not up and the reconnection delay has passed
    std::size_t journalTaken = 0;     // entries of the machine's journal this plan sends
    std::vector<WriteRequest> writes; // in the order the panel wrote them
    std::vector<ReadRequest> reads;   // stations in turn
    std::vector<ReadTarget> targets;
    std::vector<int> singleRows; // the once-only rows of the protocol table this cycle runs
};

struct RequestOutcome {
    bool tried = false; // false when the link was down or the station silent before its turn
    LinkReply reply;
    std::vector<uint16_t> values; // what a read brought (words, or bits as 0 and 1)
    double roundTripMs = 0;
};

struct CycleResult {
    bool connectTried = false;
    bool connected = false; // the link was up at the end of the cycle
    bool lost = false;      // the link went down during the cycle
    std::string linkError;
    std::vector<RequestOutcome> writes;    // one per plan write (possibly not tried)
    std::vector<RequestOutcome> readBacks; // the PLC's values after a refused write
    std::vector<RequestOutcome> reads;     // one per plan read
    SessionClock::time_point start, end;
    CyclePlan plan; // the plan run
};

struct StationStats {
    uint64_t requests = 0;
    uint64_t errors = 0;
    std::string lastError;
    std::chrono::system_clock::time_point lastErrorAt{};
    double roundTripMs = 0; // of the last answered request
    bool answering = true;
};

class PlcSession {
public:
    // The image and the map describe the panel; the rows are the image's Modbus protocol table.
    PlcSession(const panel::PanelImage& image, RegisterMap map, std::vector<ModbusRow> table = {},
               SessionSettings settings = {});

    static void attach(panel::PanelMachine& machine);
    static void detach(panel::PanelMachine& machine);

    CyclePlan plan(const panel::PanelMachine& machine,
                   SessionClock::time_point now = SessionClock::now()) const;
    static CycleResult exchange(PlcLink& link, const CyclePlan& plan);
    void apply(const CycleResult& result, panel::PanelMachine& machine);
    // The three phases; false when the link is not up at the end of the cycle.
    bool runCycle(PlcLink& link, panel::PanelMachine& machine,
                  SessionClock::time_point now = SessionClock::now());

    const SessionSettings& settings() const { return settings_; }
    bool connected() const { return connected_; }
    // "Connected", or the last error of the link or of a write.
    const std::string& state() const { return state_; }
    const std::map<uint8_t, StationStats>& stations() const { return stations_; }
    double cycleMs() const { return cycleMs_; }
    double requestsPerSecond() const { return requestsPerSecond_; }
    uint64_t errors() const;
    // The next connection try after a loss, and the delay that led to it.
    SessionClock::time_point nextConnect() const { return nextConnect_; }
    int reconnectDelayMs() const { return delayMs_; }
    // One line for a status bar: state, cycle time, requests per second, errors.
    std::string statusLine() const;

private:
    const panel::PanelImage& image_;
    RegisterMap map_;
    ProtocolTable table_;
    SessionSettings settings_;
    PollPlanner planner_;
    std::vector<bool> singleDone_; // per table row
    std::map<uint8_t, StationStats> stations_;
    bool connected_ = false;
    std::string state_ = "Not connected";
    SessionClock::time_point nextConnect_{};
    int delayMs_ = 0;
    // The cycles of the last two seconds (start, end, requests tried), for the request rate: a
    // rate over one short gap between two cycles run back to back would read far too high.
    struct CycleMark {
        SessionClock::time_point start, end;
        uint64_t requests = 0;
    };
    std::deque<CycleMark> recent_;
    double cycleMs_ = 0, requestsPerSecond_ = 0;
};

} // namespace zorv::plc
