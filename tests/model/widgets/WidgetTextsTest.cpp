// Guards against: a text widget changing size when the language is switched, the wrong
// language shown, empty texts or menus without items showing nothing, menu widths taken from
// damaged width fields beyond 24, static-text attributes mapped to the wrong flags, and numeric
// samples losing digits.
#include "model/widgets/WidgetTexts.h"
#include "model/DisplayAttributes.h"
#include "model/widgets/WidgetSync.h"

#include <gtest/gtest.h>

using namespace zorv;

TEST(StaticTextLanguage, ShorterTextPaddedAndSwitched) {
    StaticTextRecord r = StaticTextRecord::makeDefault(); // "TextStr"
    r.setText(1, TextSlot::fromBytes("Longer text"));
    CStaticText text;
    applyRecord(text, r, 0);
    EXPECT_EQ(text.text, "TextStr    ");
    const double width = text.Width();
    applyRecord(text, r, 1);
    EXPECT_EQ(text.text, "Longer text");
    EXPECT_EQ(text.Width(), width);
    EXPECT_EQ(width, 11 * 16);
}

TEST(StaticTextLanguage, EmptyTextShowsQuestionMark) {
    StaticTextRecord r = StaticTextRecord::makeDefault();
    EXPECT_EQ(staticTextOf(r, 1), "?      ");
    r.setText(0, TextSlot{});
    EXPECT_EQ(staticTextOf(r, 0), "?");
}

TEST(StaticTextAttributes, BitsToFlagsAndScale) {
    StaticTextRecord r = StaticTextRecord::makeDefault();
    r.setAttributes(attr::kInverted | attr::kVirtual | attr::kDoubleSize);
    CStaticText text;
    applyRecord(text, r, 0);
    EXPECT_EQ(text.inverse, 1);
    EXPECT_EQ(text.framed, 0);
    EXPECT_EQ(text.meshed, 1);
    EXPECT_EQ(text.scale, 2.0f);
    EXPECT_EQ(text.Height(), 64);
    r.setAttributes(attr::kBorder | attr::kFlashing);
    applyRecord(text, r, 0);
    EXPECT_EQ(text.inverse, 0);
    EXPECT_EQ(text.framed, 1);
    EXPECT_EQ(text.meshed, 0);
    EXPECT_EQ(text.scale, 1.0f);
}

TEST(MenuText, FirstItemWithTextPaddedToWidestField) {
    MenuRecord r = MenuRecord::makeDefault(); // one item "Menu Con", widths 8 and 0
    EXPECT_EQ(menuTextOf(r, 0), "Menu Con");
    EXPECT_EQ(menuTextOf(r, 1), "?");
    ChoiceEntry second;
    second.used = true;
    second.text[1] = TextSlot::fromBytes("Go");
    r.setEntry(1, second);
    r.setCount(2);
    r.setWidth(1, 12);
    EXPECT_EQ(menuTextOf(r, 1), "Go          ");
    r.setWidth(0, 1000);
    EXPECT_EQ(menuTextOf(r, 1).size(), 24u);
    r.setWidth(0, -5);
    r.setCount(0);
    EXPECT_EQ(menuTextOf(r, 0), "?");
}

TEST(DynamicText, FirstStateInLanguage) {
    DynamicTextRecord r = DynamicTextRecord::makeDefault();
    ChoiceEntry state = r.entry(0);
    state.text[1] = TextSlot::fromBytes("Zustand");
    r.setEntry(0, state);
    CDynamicText text;
    applyRecord(text, r, 1);
    EXPECT_EQ(text.text, "Zustand   ");
    EXPECT_EQ(dynamicTextOf(r, 0), "DynamicStr");
}

TEST(RegisterSample, DigitsAndDecimals) {
    EXPECT_EQ(numericSampleText(5, 0), "12345");
    EXPECT_EQ(numericSampleText(5, 2), "123.45");
    EXPECT_EQ(numericSampleText(3, 1), "12.3");
    // 32-bit floating point cannot hold 123456789.
    EXPECT_EQ(numericSampleText(9, 0), "123456792");
    RegisterRecord r = RegisterRecord::makeDefault();
    r.setDigits(4, 1);
    r.setSizeFlags(RegisterRecord::kSizeDouble | RegisterRecord::kSizeInverted);
    CRegister reg;
    EXPECT_EQ(reg.text, "12345");
    applyRecord(reg, r);
    EXPECT_EQ(reg.text, "123.4");
    EXPECT_EQ(reg.scale, 2.0f);
    EXPECT_EQ(reg.inverse, 1);
}
