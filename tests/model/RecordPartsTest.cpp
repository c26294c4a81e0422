// Guards the accessors the widget records share (register, scale and size, symbol): each must read
// and write its own record's bytes at the layout's offsets, little-endian, and touch nothing else,
// so that a part reading another record's offsets or a fixed place shows here.
#include <gtest/gtest.h>

#include <vector>

#include "model/WidgetRecords.h"

using namespace zorv;

namespace {

// The bytes of `after` that differ from `before`.
template <class R> std::vector<std::size_t> changedBytes(const R& before, const R& after) {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < R::kSize; ++i) {
        if (before.bytes[i] != after.bytes[i])
            changed.push_back(i);
    }
    return changed;
}

// Where the layouts keep the register: station, type, then the u16 address.
template <class R> struct RegisterAt;
template <> struct RegisterAt<BarRecord> : std::integral_constant<std::size_t, 6> {};
template <> struct RegisterAt<TrendRecord> : std::integral_constant<std::size_t, 12> {};
template <> struct RegisterAt<KeyRecord> : std::integral_constant<std::size_t, 10> {};
template <> struct RegisterAt<LedRecord> : std::integral_constant<std::size_t, 6> {};
template <> struct RegisterAt<RegisterRecord> : std::integral_constant<std::size_t, 6> {};
template <> struct RegisterAt<DynamicTextRecord> : std::integral_constant<std::size_t, 6> {};
template <> struct RegisterAt<MenuRecord> : std::integral_constant<std::size_t, 6> {};

template <class R> class RegisterPartTest : public ::testing::Test {};
using RegisterRecords = ::testing::Types<BarRecord, TrendRecord, KeyRecord, LedRecord,
                                         RegisterRecord, DynamicTextRecord, MenuRecord>;
TYPED_TEST_SUITE(RegisterPartTest, RegisterRecords);

TYPED_TEST(RegisterPartTest, RegisterLiesAtItsOwnOffsets) {
    const std::size_t at = RegisterAt<TypeParam>::value;
    const TypeParam before = TypeParam::makeDefault();
    TypeParam r = before;
    r.setRegister({3, uint8_t(RegisterType::X), 0x1234});
    EXPECT_EQ(r.bytes[at], 3);
    EXPECT_EQ(r.bytes[at + 1], uint8_t(RegisterType::X));
    EXPECT_EQ(r.bytes[at + 2], 0x34);
    EXPECT_EQ(r.bytes[at + 3], 0x12);
    for (std::size_t i : changedBytes(before, r))
        EXPECT_TRUE(i >= at && i < at + 4) << "byte " << i << " changed";
    EXPECT_EQ(r.reg(), (RegisterRef{3, uint8_t(RegisterType::X), 0x1234}));
}

// Where bars and trends keep their register count, number flags, full and zero scale, and their
// width and height (each followed by the other).
struct ScaleLayout {
    std::size_t count, flags, full, zero, width;
};

template <class R> void expectScaleAt(const ScaleLayout& at) {
    const R before = R::makeDefault();
    R r = before;
    r.setRegisterCount(2);
    r.setNumberFlags(numflags::kSigned | numflags::kHexBcd);
    r.setFullScale(4294967295LL); // two unsigned registers reach the top of 32 bits
    r.setZeroScale(-5);
    r.setWidth(0x0102);
    r.setHeight(0x0304);
    EXPECT_EQ(r.bytes[at.count], 2);
    EXPECT_EQ(r.bytes[at.flags], 3);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(r.bytes[at.full + i], 0xFF) << "full scale byte " << i;
    const uint8_t minusFive[4] = {0xFB, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(r.bytes[at.zero + i], minusFive[i]) << "zero scale byte " << i;
    const uint8_t size[4] = {0x02, 0x01, 0x04, 0x03};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(r.bytes[at.width + i], size[i]) << "size byte " << i;
    for (std::size_t i : changedBytes(before, r)) {
        const bool inScale = i == at.count || i == at.flags || (i >= at.full && i < at.full + 4) ||
                             (i >= at.zero && i < at.zero + 4) ||
                             (i >= at.width && i < at.width + 4);
        EXPECT_TRUE(inScale) << "byte " << i << " changed";
    }
    EXPECT_EQ(r.registerCount(), 2);
    EXPECT_EQ(r.numberFlags(), 3);
    EXPECT_EQ(r.fullScaleBits(), 0xFFFFFFFFu);
    EXPECT_EQ(r.fullScale(), -1);
    EXPECT_EQ(r.zeroScaleBits(), 0xFFFFFFFBu);
    EXPECT_EQ(r.zeroScale(), -5);
    EXPECT_EQ(r.width(), 0x0102);
    EXPECT_EQ(r.height(), 0x0304);
}

// Where lights and keys keep their symbol (length byte, then up to 11 bytes) and working value.
struct SymbolLayout {
    std::size_t length, working;
};

template <class R> void expectSymbolAt(const SymbolLayout& at) {
    R r = R::makeDefault();
    const uint8_t longSymbol[13] = {0xFF, 0x1A, 0xFF, 0x05, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    r.setSymbolText(longSymbol);
    EXPECT_EQ(r.bytes[at.length], 11) << "a symbol is cut to 11 bytes";
    EXPECT_EQ(r.symbolLength(), 11);
    for (std::size_t i = 0; i < 11; ++i)
        EXPECT_EQ(r.bytes[at.length + 1 + i], longSymbol[i]) << "symbol byte " << i;

    // A shorter symbol clears what the longer one left behind.
    const R before = r;
    const uint8_t round[2] = {0xFF, LedRecord::kRoundGlyph};
    r.setSymbolText(round);
    EXPECT_EQ(r.bytes[at.length], 2);
    for (std::size_t i = 2; i < 11; ++i)
        EXPECT_EQ(r.bytes[at.length + 1 + i], 0) << "symbol byte " << i;
    ASSERT_EQ(r.symbolText().size(), 2u);
    EXPECT_EQ(r.symbolText()[1], LedRecord::kRoundGlyph);
    for (std::size_t i : changedBytes(before, r))
        EXPECT_TRUE(i >= at.length && i <= at.length + 11) << "byte " << i << " changed";

    r.setWorking(-2);
    const uint8_t minusTwo[4] = {0xFE, 0xFF, 0xFF, 0xFF};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(r.bytes[at.working + i], minusTwo[i]) << "working byte " << i;
    EXPECT_EQ(r.working(), -2);
}

} // namespace

TEST(ScalePart, BarKeepsItsScaleAtItsOwnOffsets) {
    expectScaleAt<BarRecord>({10, 11, 20, 24, 12});
}

TEST(ScalePart, TrendKeepsItsScaleAtItsOwnOffsets) {
    expectScaleAt<TrendRecord>({16, 17, 28, 32, 6});
}

TEST(SymbolPart, KeyKeepsItsSymbolAtItsOwnOffsets) {
    expectSymbolAt<KeyRecord>({20, 32});
}

TEST(SymbolPart, LightKeepsItsSymbolAtItsOwnOffsets) {
    expectSymbolAt<LedRecord>({24, 36});
}
