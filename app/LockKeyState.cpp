#include "app/LockKeyState.h"

#include <string>

#include "platform/FileRead.h"

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
        const std::optional<long> brightness = readNumberFile(entry.path() / "brightness");
        if (!brightness)
            continue;
        on = on.value_or(false) || *brightness > 0;
    }
    return on;
}

} // namespace zorv
