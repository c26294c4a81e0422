#include "comm/PortsTried.h"

namespace zorv {

std::string portsTriedText(const std::vector<PortAttempt>& tried) {
    if (tried.empty())
        return "No serial port was found.";
    std::string text = "Ports tried: ";
    for (std::size_t i = 0; i < tried.size(); ++i) {
        const PortAttempt& a = tried[i];
        text += (i ? ", " : "") + a.path;
        if (!a.openFailure.empty())
            text += " (cannot be opened: " + a.openFailure + ")";
        else
            text += a.refused ? " (refused)" : " (no answer)";
    }
    return text;
}

} // namespace zorv
