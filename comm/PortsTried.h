#pragma once
// The ports a search for the panel tried, and how each answered, for the status line of a
// transfer that found none.

#include <string>
#include <vector>

namespace zorv {

struct PortAttempt {
    std::string path;
    // Empty when the port opened; else what kept it shut.
    std::string openFailure;
    // The port opened and the panel there answered the probe with NAK.
    bool refused = false;
};

// "Ports tried: /dev/ttyS0 (no answer), /dev/ttyS1 (refused), /dev/ttyUSB0 (cannot be opened:
// Permission denied)", or "No serial port was found." when there was none to try.
std::string portsTriedText(const std::vector<PortAttempt>& tried);

} // namespace zorv
