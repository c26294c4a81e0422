#include "app/LockKeyState.h"

#include <fstream>
#include <string>

namespace zorv {

std::optional<bool> lockKeyState(LockKey key, const std::filesystem::path& leds) {
    const char* suffix = key == LockKey::Caps  ? "::capslock"
                         : key == LockKey::Num ? "::numlock"
                                               : "::scrolllock";
    std::error_code ec;
    std::optional<bool> on;
    // Every keyboard has its own light; a lock is on when any of them shows it.
    for (const auto& entry : std::filesystem::directory_iterator(leds, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(suffix))
            continue;
        std::ifstream in(entry.path() / "brightness");
        int brightness = 0;
        if (!(in >> brightness))
            continue;
        on = on.value_or(false) || brightness > 0;
    }
    return on;
}

} // namespace zorv
