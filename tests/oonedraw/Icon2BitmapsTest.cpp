// Guards against: a key, light or hand bitmap missing from icon2/ beside the program, drawn at
// a size other than its widget expects, in colours other than black ink on transparent white,
// or with its visible, inverted and invisible (or positive and negative) pictures swapped.
#include "oonedraw/GBitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace oonedraw;

namespace {

struct Variants {
    std::string base;
    std::string suffixes; // plain, inverted, invisible (keys) or positive, negative (lights)
    int32_t width, height;
};

std::vector<Variants> AllVariants() {
    std::vector<Variants> all;
    for (int n = 0; n <= 9; ++n)
        all.push_back({"Key_" + std::to_string(n), "abc", 36, 36});
    for (int n = 1; n <= 4; ++n)
        all.push_back({"Key_F" + std::to_string(n), "abc", 36, 36});
    for (const char* name :
         {"ZF", "Esc", "Down", "Up", "Left", "Right", "Set", "Enter", "Clr", "Run", "Stop"})
        all.push_back({std::string("Key_") + name, "123", 36, 36});
    all.push_back({"Led_Round", "12", 18, 18});
    all.push_back({"Led_Quadrate", "12", 18, 18});
    all.push_back({"Key_Hand", "12", 18, 36});
    return all;
}

size_t InkCount(const GBitmap& bitmap) {
    size_t ink = 0;
    for (uint32_t p : bitmap.pixels())
        ink += p == 0x000000;
    return ink;
}

} // namespace

TEST(Icon2Bitmaps, EveryNameLoadsInBlackAndWhiteAtItsSize) {
    for (const auto& v : AllVariants()) {
        std::vector<size_t> ink;
        for (char suffix : v.suffixes) {
            const std::string name = v.base + suffix + ".bmp";
            const auto bitmap = GBitmap::LoadFile(std::string(ZORV_PROGRAM_DIR) + "/icon2/" + name);
            ASSERT_TRUE(bitmap) << name;
            EXPECT_EQ(bitmap->width(), v.width) << name;
            EXPECT_EQ(bitmap->height(), v.height) << name;
            for (uint32_t p : bitmap->pixels())
                ASSERT_TRUE(p == 0x000000 || p == 0xFFFFFF) << name;
            EXPECT_EQ(bitmap->pixel(0, v.height - 1), 0xFFFFFFu)
                << name << ": corner not transparent";
            ink.push_back(InkCount(*bitmap));
        }
        // An inverted key or negative light is mostly ink, an invisible key has the least.
        EXPECT_GT(ink[1], ink[0]) << v.base;
        if (ink.size() == 3) {
            EXPECT_LT(ink[2], ink[0]) << v.base;
        }
    }
}

TEST(Icon2Bitmaps, KeysOfOneKindDiffer) {
    const auto one = GBitmap::LoadFile(std::string(ZORV_PROGRAM_DIR) + "/icon2/Key_1a.bmp");
    const auto seven = GBitmap::LoadFile(std::string(ZORV_PROGRAM_DIR) + "/icon2/Key_7a.bmp");
    ASSERT_TRUE(one && seven);
    EXPECT_NE(one->pixels(), seven->pixels());
}
