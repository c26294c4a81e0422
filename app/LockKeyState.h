#pragma once
// The state of the Caps, Num and Scroll Lock keys, as the keyboard's indicator lights show it
// (Linux: /sys/class/leds/*::capslock and the like); nothing where the system tells no state.

#include <filesystem>
#include <optional>

namespace zorv {

enum class LockKey { Caps, Num, Scroll };

std::optional<bool> lockKeyState(LockKey key,
                                 const std::filesystem::path& leds = "/sys/class/leds");

} // namespace zorv
