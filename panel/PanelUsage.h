#pragma once
// The registers and coils an image reads or writes: those of its widgets, its system alarm list
// and the system registers its flags turn on. The simulator lists them as the PLC's table.

#include <vector>

#include "panel/PanelImage.h"

namespace zorv::panel {

struct UsedRegister {
    RegisterRef reg;
    bool bit = false; // a coil rather than a word
    int words = 1;    // 2 for the 32-bit values of two registers
    // The consecutive registers or coils the use covers: a word read from a bit family covers
    // 16 coils (32 for two words).
    int cells = 1;
    bool operator==(const UsedRegister&) const = default;
};

// In family and address order, each register once (the widest use wins); with stations apart,
// a station's register apart from the same address of another station (station order last).
std::vector<UsedRegister> usedRegisters(const PanelImage& image, bool stationsApart = false);
// What the panel reads and writes while it shows one page (an index, or kAlarmScreen): that
// page's widgets, the system alarm list and the system registers, stations apart.
std::vector<UsedRegister> pageRegisters(const PanelImage& image, int page);

} // namespace zorv::panel
