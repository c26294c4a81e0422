// Feeds arbitrary bytes to the BMP loader: it must refuse them or return a bitmap whose pixels
// match its size, never read outside the input.
#include <cstddef>
#include <cstdint>

#include "oonedraw/GBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto bitmap = oonedraw::GBitmap::FromBmp({data, size});
    if (!bitmap)
        return 0;
    const size_t count = size_t(bitmap->width()) * size_t(bitmap->height());
    if (bitmap->width() > 0 && bitmap->height() > 0 && bitmap->pixels().size() == count)
        return 0;
    __builtin_trap(); // a decoded bitmap has a size and one pixel for every place
}
