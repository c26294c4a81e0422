// Guards the conversion of bitmap-file pixel arrays into the panel's band format: rows not
// turned upside down, the byte order of the row words, the padded last band not repeating the
// picture's bottom rows, padding columns left in, rows under a short picture not taken from
// the buffer, a wrong length, and pictures larger than the display read past the buffer.
#include <gtest/gtest.h>

#include <bit>

#include "image/BandBitmap.h"
#include "model/records/LedRecord.h"

using namespace zorv;

namespace {

// A pixel array as a 1-bit bitmap file holds it: rows bottom to top, padded to 32 bits.
class FileBitmap {
public:
    FileBitmap(int w, int h)
        : w_(w), h_(h), stride_((w + 31) / 32 * 4), buffer_(kBitmapCapacity, 0) {}
    void set(int x, int y) {
        buffer_[std::size_t((h_ - 1 - y) * stride_ + x / 8)] |= uint8_t(0x80 >> (x % 8));
    }
    std::size_t length() const { return std::size_t(stride_ * h_); }
    std::vector<uint8_t>& buffer() { return buffer_; }
    std::optional<std::vector<uint8_t>> convert() const {
        return toBandBitmap(w_, h_, buffer_, length());
    }

private:
    int w_, h_, stride_;
    std::vector<uint8_t> buffer_;
};

// Whether pixel (x, row) of band `band` is set in the converted bitmap of width w.
bool bandPixel(const std::vector<uint8_t>& out, int w, int band, int x, int row) {
    const std::size_t at = std::size_t(2 * w * band + 2 * x + row / 8);
    return (out.at(at) >> (row % 8)) & 1;
}

int setPixels(const std::vector<uint8_t>& out) {
    int n = 0;
    for (uint8_t b : out)
        n += std::popcount(b);
    return n;
}

TEST(BandBitmap, FullDisplayPicture) {
    FileBitmap bmp(192, 64);
    bmp.set(0, 0);    // top-left
    bmp.set(191, 63); // bottom-right
    bmp.set(17, 20);  // band 1, row 4, second word
    auto out = bmp.convert();
    ASSERT_TRUE(out);
    ASSERT_EQ(out->size(), 1536u);
    EXPECT_EQ((*out)[0], 0x01);                         // column 0, top row is bit 0
    EXPECT_EQ((*out)[2 * 192 * 3 + 2 * 191 + 1], 0x80); // last band, column 191, row 15
    EXPECT_TRUE(bandPixel(*out, 192, 1, 17, 4));
    EXPECT_EQ(setPixels(*out), 3);
}

TEST(BandBitmap, ShortPictureRepeatsItsBottomRowsInTheLastBand) {
    // 20 x 20: two bands; the second holds rows 4 .. 19, overlapping the first.
    FileBitmap bmp(20, 20);
    bmp.set(3, 4);
    bmp.set(19, 19);
    bmp.set(0, 0);
    auto out = bmp.convert();
    ASSERT_TRUE(out);
    ASSERT_EQ(out->size(), 80u);
    EXPECT_TRUE(bandPixel(*out, 20, 0, 0, 0));
    EXPECT_TRUE(bandPixel(*out, 20, 0, 3, 4));
    EXPECT_TRUE(bandPixel(*out, 20, 1, 3, 0)); // row 4 again, at the top of band 1
    EXPECT_TRUE(bandPixel(*out, 20, 1, 19, 15));
    EXPECT_EQ(setPixels(*out), 4);
}

TEST(BandBitmap, PictureBelowOneBandTakesTheBufferUnderIt) {
    FileBitmap bmp(16, 2);
    bmp.set(0, 0);
    bmp.set(15, 1);
    auto out = bmp.convert();
    ASSERT_TRUE(out);
    ASSERT_EQ(out->size(), 32u);
    EXPECT_EQ((*out)[0], 0x01);
    EXPECT_EQ((*out)[30], 0x02);
    EXPECT_EQ(setPixels(*out), 2);

    // Bytes of the buffer beyond the valid length show up as the rows under the picture, as
    // the panel has always received them.
    bmp.buffer()[2 * 4] = 0x80; // row 2, first word, read as the buffer holds it
    out = bmp.convert();
    EXPECT_TRUE(bandPixel(*out, 16, 0, 8, 2));
}

TEST(BandBitmap, WidthsBetweenWordsDropThePaddingColumns) {
    FileBitmap bmp(40, 16);
    bmp.set(39, 0);
    bmp.set(32, 15);
    auto out = bmp.convert();
    ASSERT_TRUE(out);
    ASSERT_EQ(out->size(), 80u);
    EXPECT_TRUE(bandPixel(*out, 40, 0, 39, 0));
    EXPECT_TRUE(bandPixel(*out, 40, 0, 32, 15));
    EXPECT_EQ(setPixels(*out), 2);
}

TEST(BandBitmap, RefusesPicturesLargerThanTheDisplay) {
    std::vector<uint8_t> buffer(kBitmapCapacity, 0xFF);
    EXPECT_FALSE(toBandBitmap(193, 64, buffer, 100));
    EXPECT_FALSE(toBandBitmap(192, 65, buffer, 100));
    EXPECT_EQ(toBandBitmap(0, 0, buffer, 100)->size(), 0u);
}

TEST(BandBitmap, LengthRule) {
    EXPECT_EQ(bandBitmapLength(192, 64), 1536u);
    EXPECT_EQ(bandBitmapLength(20, 20), 80u);
    EXPECT_EQ(bandBitmapLength(8, 1), 16u);
}

} // namespace
