#pragma once
// The panel's behaviour over a download image: the start page, the Up and Down pages, the keys
// of each page by their action, menus, register entry, the password control, the alarm list,
// the screen saver, the language register and the page control register. The register table
// stands for the PLC; whoever changes it from outside calls sync().

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "panel/PanelImage.h"
#include "panel/PanelKeys.h"
#include "panel/PanelPicture.h"
#include "panel/PanelRegisters.h"
#include "panel/PanelScreen.h"

namespace zorv::panel {

class PanelMachine {
public:
    // The image must outlive the machine. Shows the start page.
    explicit PanelMachine(const PanelImage& image);

    // Back to the start page with no password granted; the registers are kept.
    void restart();

    void press(Key key);
    void release(Key key);
    void click(Key key) {
        press(key);
        release(key);
    }
    // Time passing without a key: the screen saver and the backlight.
    void tick(uint32_t milliseconds);
    // Follows the register table after it changed from outside: language, page control and
    // the automatic alarm page.
    void sync();

    const PanelScreen& screen() const { return screen_; }
    int page() const { return screen_.page; } // page index, or kAlarmScreen
    // The user's number of the page shown; nothing on the system alarm screen.
    std::optional<uint16_t> pageNumber() const;
    int language() const { return screen_.language; }
    // Chooses the language; with multi-language support through the language register.
    void setLanguage(int language);
    // Shows a page by index as the controller would; false when the image has no such page.
    bool showPageIndex(int index);

    PanelRegisters& registers() { return registers_; }
    const PanelRegisters& registers() const { return registers_; }

    int grantedLevel() const { return granted_; }
    void setPassword(int level, const std::string& digits);
    // Whether the last ENT of a register entry was refused by the input limits.
    bool entryRefused() const { return entryRefused_; }
    bool screenSaverOn() const { return saver_; }
    bool backlightOn() const { return backlight_; }

    void render(PanelPicture& out) const;

private:
    const sim::ImagePage* currentPage() const { return image_.page(screen_.page); }
    bool hasFlag(uint8_t flag) const { return image_.header().flags() & flag; }
    // The system registers of the header (page control, language, ...).
    uint16_t systemWord(std::size_t headerOff) const;
    void setSystemWord(std::size_t headerOff, uint16_t value);
    // Shows the page when the granted level allows its display level.
    bool showPage(int index);
    void enterPage(int index);
    void jumpToAlarmList();
    bool wake();

    // Keys of the page (PanelMachineKeys.cpp).
    bool runPageKeys(Key key);
    void runKeyAction(const sim::ImageWidget& widget);
    bool menuKey(Key key);
    void placeMenuCursors();

    // Register entry and the password control (PanelMachineEntry.cpp).
    bool mayEnter(const sim::ImageWidget& widget) const;
    bool beginEntry(int after);
    void entryKey(Key key);
    bool passwordKey(Key key);
    void submitPassword(const sim::ImageWidget& widget);
    void reportLevel();

    const PanelImage& image_;
    PanelRegisters registers_;
    PanelScreen screen_;
    int previousPage_ = 0; // shown again when the alarm screen or the screen saver ends
    int granted_ = 0;
    std::optional<int> temporaryGrant_; // the level before a temporary password was granted
    int temporaryPage_ = -1;
    std::vector<std::string> passwords_;
    std::vector<int> alarmsOn_;
    uint16_t pageControl_ = 0;
    uint64_t idleMs_ = 0;
    bool saver_ = false, backlight_ = true;
    bool entryRefused_ = false;
};

} // namespace zorv::panel
