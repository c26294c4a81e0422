// Runs the panel on arbitrary image bytes and key sequences: the last byte of the input counts
// the operation bytes before it, the bytes before those are the image. Loading must refuse a
// broken image cleanly; keys, alarm bits, time and drawing must never read outside the image.
#include <cstddef>
#include <cstdint>
#include <string>

#include "panel/PanelMachine.h"

using namespace zorv::panel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const size_t operations = std::min<size_t>(data[size - 1], size - 1);
    const size_t imageSize = size - 1 - operations;
    PanelImage image;
    std::string error;
    const bool loaded = image.load({data, imageSize}, error);
    if (loaded != error.empty())
        __builtin_trap(); // a refusal must come with its message, a success without one
    PanelMachine machine(image);
    PanelPicture picture;
    for (size_t i = imageSize; i < size - 1; ++i) {
        const uint8_t op = data[i];
        if (op < 0x80) {
            if (const auto key = keyFromCode(op % 29))
                machine.click(*key);
        } else if (op < 0xC0) {
            // An alarm bit, a word register or the language register from outside.
            const auto reg = uint16_t(op & 0x3F);
            machine.registers().setBit(1, uint16_t(100 + reg), op & 1);
            machine.registers().setWord(7, reg, uint16_t(op * 257));
            machine.sync();
        } else {
            machine.tick(uint32_t(op - 0xC0) * 10'000);
        }
        machine.render(picture);
    }
    machine.render(picture);
    return 0;
}
