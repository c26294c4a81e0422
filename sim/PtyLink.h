#pragma once
// A pseudo-terminal pair: the simulator talks on the master, the editor opens the device end.
// The line's character time can be emulated in both directions (10 bits a character for 7E1), and
// the panel can stall in the middle of a transfer.

#include <atomic>
#include <chrono>
#include <string>

#include "sim/PanelDevice.h"

namespace zorv::sim {

// Once the device has served `afterBlocks` blocks, nothing is read or answered for `pause`, as
// with a panel that stops for a while: what the editor sends meanwhile waits in the line and is
// answered, in order, afterwards.
struct Stall {
    int afterBlocks = 0;
    std::chrono::milliseconds pause{0};
};

class PtyLink {
public:
    PtyLink();
    ~PtyLink();
    bool ok() const { return master_ >= 0; }
    const std::string& devicePath() const { return path_; }
    // 0: no emulation.
    void setBaud(int baud) { baud_ = baud; }
    // Once per serve; a zero pause: none.
    void setStall(Stall stall) { stall_ = stall; }

    // Feeds received bytes to the device and writes its replies until `stop` is set (looked at
    // before every byte) or the time limit passes (zero: none).
    void serve(PanelDevice& device, const std::atomic<bool>& stop,
               std::chrono::milliseconds limit = std::chrono::milliseconds(0));

private:
    std::chrono::nanoseconds charTime() const;

    int master_ = -1;
    int slave_ = -1; // held open so the master never sees a hang-up between openers
    std::string path_;
    int baud_ = 0;
    Stall stall_;
};

} // namespace zorv::sim
