// Guards the conversion of bitmap-file pixel arrays into the panel's band format: rows not
// turned upside down, the byte order of the row words, the last band of a padded height not
// repeating the picture's bottom rows, padding columns left in, and pictures larger than the
// display read past the buffer.
#include <gtest/gtest.h>

#include <bit>

#include "image/BandBitmap.h"
#include "model/records/LedRecord.h"

using namespace zorv;

namespace {

// A pixel array as a 1-bit bitmap file holds it: rows bottom to top, padded to 32 bits.
struct FileBitmap {
    int w, h, stride = (w + 31) / 32 * 4;
    std::vector<uint8_t> buffer = std::vector<uint8_t>(kBitmapCapacity, 0);

    void set(int x, int y) {
        buffer[std::size_t((h - 1 - y) * stride + x / 8)] |= uint8_t(0x80 >> x % 8);
    }
    std::vector<uint8_t> convert() const {
        return toBandBitmap(w, h, buffer, std::size_t(stride * h)).value_or(std::vector<uint8_t>{});
    }
};

// The pixels set in a converted bitmap of width w, as (band, x, row).
std::vector<std::array<int, 3>> pixels(const std::vector<uint8_t>& out, int w) {
    std::vector<std::array<int, 3>> set;
    for (std::size_t i = 0; i < out.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            if (out[i] >> bit & 1)
                set.push_back({int(i) / (2 * w), int(i) % (2 * w) / 2, int(i) % 2 * 8 + bit});
        }
    }
    return set;
}

TEST(BandBitmap, FullDisplayPicture) {
    FileBitmap bmp{192, 64};
    bmp.set(0, 0);
    bmp.set(17, 20);
    bmp.set(191, 63);
    const auto out = bmp.convert();
    ASSERT_EQ(out.size(), 1536u);
    EXPECT_EQ(out[0], 0x01); // column 0, top row in bit 0
    EXPECT_EQ(pixels(out, 192),
              (std::vector<std::array<int, 3>>{{0, 0, 0}, {1, 17, 4}, {3, 191, 15}}));
}

TEST(BandBitmap, PaddedHeightRepeatsTheBottomRowsInTheLastBand) {
    FileBitmap bmp{20, 20}; // two bands, the second rows 4 .. 19; columns 20 .. 31 dropped
    bmp.set(0, 0);
    bmp.set(3, 4);
    bmp.set(19, 19);
    const auto out = bmp.convert();
    ASSERT_EQ(out.size(), 80u);
    EXPECT_EQ(pixels(out, 20),
              (std::vector<std::array<int, 3>>{{0, 0, 0}, {0, 3, 4}, {1, 3, 0}, {1, 19, 15}}));
}

TEST(BandBitmap, RefusesPicturesLargerThanTheDisplay) {
    const std::vector<uint8_t> buffer(kBitmapCapacity, 0xFF);
    EXPECT_FALSE(toBandBitmap(193, 64, buffer, buffer.size()));
    EXPECT_FALSE(toBandBitmap(192, 65, buffer, buffer.size()));
}

} // namespace
