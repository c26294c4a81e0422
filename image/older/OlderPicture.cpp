// The picture step of the translation: older bitmaps out to BMP files, in as picture widgets.
#include "image/older/OlderPicture.h"

#include <cstdio>
#include <fstream>
#include <span>
#include <string>
#include <system_error>

#include "model/records/PictureRecord.h"

namespace zorv::older {

namespace {

constexpr std::size_t kBmpInfoSize = 40, kBmpPaletteSize = 8, kBmpPixelOffset = 62;

bool writeBmp(const std::filesystem::path& folder, const char* name, std::span<const uint8_t> info,
              std::span<const uint8_t> palette, std::span<const uint8_t> pixels) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::vector<uint8_t> bmp;
    ByteWriter w(bmp);
    w.u8('B');
    w.u8('M');
    w.u32(uint32_t(pixels.size() + kBmpPixelOffset));
    w.u32(0);
    w.u32(kBmpPixelOffset);
    w.bytes(info);
    w.bytes(palette);
    w.bytes(pixels);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    out.close();
    return bool(out);
}

} // namespace

bool translatePicture(ByteReader& in, const std::filesystem::path* folder, const CPage& page,
                      WidgetNode& node) {
    auto info = in.take(kBmpInfoSize);
    if (!in.ok() || le::u32(info.data()) != kBmpInfoSize)
        return false;
    const int32_t width = int32_t(le::u32(info.data() + 4));
    const int32_t height = int32_t(le::u32(info.data() + 8));
    const uint32_t pixelBytes = le::u32(info.data() + 20);
    // A top-down bitmap stores its height negated; either way the size has to fit the
    // record's 16-bit fields (and INT32_MIN has no positive height at all).
    const int64_t rows = height < 0 ? -int64_t(height) : int64_t(height);
    if (width <= 0 || width > 0xFFFF || rows == 0 || rows > 0xFFFF)
        return false;
    auto palette = in.take(kBmpPaletteSize);
    if (!in.ok() || pixelBytes > kBitmapCapacity || pixelBytes > in.remaining())
        return false;
    auto pixels = in.take(pixelBytes);

    char name[48];
    std::snprintf(name, sizeof name, "P%d-%d.bmp", page.number(), page.widgetCount());
    if (folder && !writeBmp(*folder / "pic", name, info, palette, pixels))
        return false;

    PictureRecord r = PictureRecord::makeDefault();
    r.setSize(uint16_t(width), uint16_t(rows));
    r.setBitmap(pixels);
    r.setPictureName(std::string("pic/") + name);
    node.set(r);
    return true;
}

} // namespace zorv::older
