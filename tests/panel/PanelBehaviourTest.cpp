// Guards the panel's behaviour on the demo project: key jumps, the Up and Down pages, menus,
// register entry within its limits and the set control, key actions on coils and registers, the
// password control, the automatic alarm page, the screen saver and the language register.

#include <gtest/gtest.h>

#include "PanelTestImage.h"
#include "panel/PanelMachine.h"

namespace zorv::panel {

namespace {

constexpr uint8_t kD = uint8_t(RegisterType::D), kM = uint8_t(RegisterType::M);

class DemoPanel : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(image.load(test::demoImage(), error)) << error;
    }
    void keys(PanelMachine& m, std::initializer_list<Key> list) {
        for (Key k : list)
            m.click(k);
    }
    void goTo(PanelMachine& m, uint16_t number) {
        ASSERT_TRUE(m.showPageIndex(*image.pageOfNumber(number)));
    }
    // Logs in on page 6 with level 1's password, which leads to page 7.
    void logIn(PanelMachine& m) {
        goTo(m, 6);
        keys(m, {Key::D1, Key::D1, Key::D1, Key::D1, Key::Enter});
    }
    PanelImage image;
};

} // namespace

TEST_F(DemoPanel, StartsOnTheStartPageAndJumpsByKeysAndUpDown) {
    PanelMachine m(image);
    EXPECT_EQ(m.pageNumber(), 1);
    m.click(Key::F1);
    EXPECT_EQ(m.pageNumber(), 2);
    m.click(Key::Down);
    EXPECT_EQ(m.pageNumber(), 3);
    m.click(Key::Esc); // page 3's ESC key jumps to page 1
    EXPECT_EQ(m.pageNumber(), 1);
    m.click(Key::Up); // page 1's up page is 5
    EXPECT_EQ(m.pageNumber(), 5);
    m.click(Key::F3); // no key, no menu use: nothing happens
    EXPECT_EQ(m.pageNumber(), 5);
}

TEST_F(DemoPanel, MenuJumpsToItsItemsPageAndSetsRegisters) {
    PanelMachine m(image);
    goTo(m, 5);
    keys(m, {Key::Down, Key::Down, Key::Enter});
    EXPECT_EQ(m.pageNumber(), 4);

    goTo(m, 5);
    keys(m, {Key::Up, Key::Down, Key::Down, Key::Down, Key::Down, Key::Down, Key::Down});
    EXPECT_EQ(m.screen().cursorOf(m.screen().menuFocus), 4); // stops at the last item
    // RIGHT moves to the register-setting menu; its second item writes 1 to D22.
    keys(m, {Key::Right, Key::Down, Key::Enter});
    EXPECT_EQ(m.registers().word(kD, 22), 1);
    EXPECT_EQ(m.pageNumber(), 5);
    // Entering the page again puts that menu's cursor on the item D22 holds (the image writes
    // the two menus one after the other).
    goTo(m, 5);
    EXPECT_EQ(m.screen().cursorOf(m.screen().menuFocus + 1), 1);
}

TEST_F(DemoPanel, PasswordFailureShowsTheFailurePageAndKeepsTheSettingsLocked) {
    PanelMachine m(image);
    goTo(m, 6);
    keys(m, {Key::D9, Key::D9});
    EXPECT_EQ(m.screen().password, "99");
    keys(m, {Key::D9, Key::D9, Key::Enter});
    EXPECT_EQ(m.pageNumber(), 6); // the demo's failure page is the login page itself
    EXPECT_EQ(m.grantedLevel(), 0);
    EXPECT_TRUE(m.screen().password.empty());
    // The settings page has display level 1: the menu cannot reach it past the login.
    EXPECT_FALSE(m.showPageIndex(99));
    logIn(m);
    EXPECT_EQ(m.pageNumber(), 7);
    EXPECT_EQ(m.grantedLevel(), 1);
    EXPECT_EQ(m.registers().word(kD, 3), 1); // the password level is reported in D3
}

TEST_F(DemoPanel, RegisterEntryIsRefusedOverItsLimitAndNeedsTheSetControl) {
    PanelMachine m(image);
    logIn(m);
    m.registers().setWord(kD, 101, 800);
    m.click(Key::Set);
    EXPECT_LT(m.screen().entryWidget, 0) << "D4 allows no register yet";
    m.registers().setWord(kD, 4, 1);
    m.click(Key::Set);
    ASSERT_GE(m.screen().entryWidget, 0);
    keys(m, {Key::D2, Key::D0, Key::D0, Key::D0, Key::Enter}); // 200.0 > 150.0
    EXPECT_TRUE(m.entryRefused());
    EXPECT_EQ(m.registers().word(kD, 101), 800);
    EXPECT_GE(m.screen().entryWidget, 0) << "a refused entry stays open";
    keys(m, {Key::D1, Key::D5, Key::D0, Key::D0, Key::D9}); // a fifth digit is not taken
    EXPECT_EQ(m.screen().entry.digits, "1500");
    m.click(Key::Enter);
    EXPECT_FALSE(m.entryRefused());
    EXPECT_EQ(m.registers().word(kD, 101), 1500);
    // SET, SET moves to the speed register; ESC leaves it unchanged.
    keys(m, {Key::Set, Key::Set, Key::D7, Key::Esc});
    EXPECT_EQ(m.registers().word(kD, 121), 0);
    EXPECT_LT(m.screen().entryWidget, 0);
}

TEST_F(DemoPanel, KeysStepRegistersWithinTheirLimitsAndOperateCoils) {
    PanelMachine m(image);
    logIn(m);
    m.registers().setWord(kD, 101, 1495);
    m.click(Key::Up);
    EXPECT_EQ(m.registers().word(kD, 101), 1500);
    m.registers().setWord(kD, 101, 5);
    m.click(Key::Down);
    EXPECT_EQ(m.registers().word(kD, 101), 0);
    keys(m, {Key::F3, Key::F3, Key::F3}); // reverse, three times
    EXPECT_TRUE(m.registers().bit(kM, 10));

    goTo(m, 4);
    m.press(Key::F4); // momentary: on while held
    EXPECT_TRUE(m.registers().bit(kM, 30));
    m.release(Key::F4);
    EXPECT_FALSE(m.registers().bit(kM, 30));
}

TEST_F(DemoPanel, EncryptedKeyDoesNothingWithoutAPassword) {
    PanelMachine m(image);
    m.showPageIndex(*image.pageOfNumber(7));
    m.click(Key::F3);
    EXPECT_FALSE(m.registers().bit(kM, 10));
}

TEST_F(DemoPanel, AnAlarmCoilShowsTheAlarmPage) {
    PanelMachine m(image);
    goTo(m, 2);
    m.registers().setBit(kM, 101, true);
    m.sync();
    EXPECT_EQ(m.pageNumber(), 4);
    // An alarm already on does not pull the operator back again.
    goTo(m, 2);
    m.sync();
    EXPECT_EQ(m.pageNumber(), 2);
}

TEST_F(DemoPanel, ScreenSaverShowsItsPageAndTheFirstKeyOnlyWakes) {
    PanelMachine m(image);
    goTo(m, 3);
    m.tick(299'000);
    EXPECT_FALSE(m.screenSaverOn());
    m.tick(1'000);
    EXPECT_TRUE(m.screenSaverOn());
    EXPECT_EQ(m.pageNumber(), 1);
    m.click(Key::F1); // would jump to page 2 on page 1
    EXPECT_FALSE(m.screenSaverOn());
    EXPECT_EQ(m.pageNumber(), 3);
}

TEST_F(DemoPanel, LanguageFollowsTheLanguageRegister) {
    PanelMachine m(image);
    m.setLanguage(1);
    EXPECT_EQ(m.registers().word(kD, 2), 2);
    m.registers().setWord(kD, 2, 1);
    m.sync();
    EXPECT_EQ(m.language(), 0);
    m.registers().setWord(kD, 2, 2);
    m.sync();
    EXPECT_EQ(m.language(), 1);
    EXPECT_EQ(m.registers().word(kD, 1), 1) << "the current page number is reported in D1";
}

TEST(PanelImageFaults, BrokenImagesAreRefusedAndLeaveAQuietPanel) {
    std::vector<uint8_t> bytes = test::demoImage();
    for (std::size_t cut : {std::size_t(0), std::size_t(100), bytes.size() / 2, bytes.size() - 1}) {
        PanelImage image;
        std::string error;
        EXPECT_FALSE(image.load(std::span(bytes).first(cut), error)) << cut;
        EXPECT_FALSE(error.empty());
        PanelMachine m(image);
        m.click(Key::F1);
        PanelPicture picture;
        m.render(picture);
        EXPECT_EQ(picture, PanelPicture());
    }
}

} // namespace zorv::panel
