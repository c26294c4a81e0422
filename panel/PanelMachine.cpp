#include "panel/PanelMachine.h"

#include <algorithm>

#include "panel/PanelAlarms.h"
#include "panel/PanelRenderer.h"

namespace zorv::panel {

namespace {
constexpr uint32_t kMsPerSecond = 1000;
constexpr std::size_t kPageDisplayLevelOff = 15;
} // namespace

PanelMachine::PanelMachine(const PanelImage& image) : image_(image) {
    restart();
}

void PanelMachine::restart() {
    const int levels = int(std::min<uint32_t>(image_.header().passwordLevels(), 15));
    passwords_.clear();
    for (int level = 0; level <= levels; ++level)
        passwords_.push_back(defaultPassword(level));
    granted_ = 0;
    temporaryGrant_.reset();
    saver_ = false;
    backlight_ = true;
    idleMs_ = 0;
    entryRefused_ = false;
    alarmsOn_ = activeAlarms(systemAlarms(image_), registers_);
    // The start page shows first; the page control register is followed when it changes.
    pageControl_ = systemWord(ProjectHeader::kPageControlRegOff);
    enterPage(image_.header().startPage());
    reportLevel();
    sync();
}

std::optional<uint16_t> PanelMachine::pageNumber() const {
    if (screen_.page == kAlarmScreen)
        return std::nullopt;
    return image_.pageNumber(screen_.page);
}

void PanelMachine::setLanguage(int language) {
    screen_.language = image_.languages() == 2 && language == 1 ? 1 : 0;
    if (hasFlag(sysflag::kMultiLanguage))
        setSystemWord(ProjectHeader::kLanguageRegOff, languageRegisterValue(screen_.language));
}

bool PanelMachine::showPageIndex(int index) {
    if (!image_.page(index))
        return false;
    enterPage(index);
    return true;
}

bool PanelMachine::showPage(int index) {
    const sim::ImagePage* page = image_.page(index);
    if (!page)
        return false;
    const int level = page->head[kPageDisplayLevelOff];
    if (level > 0 && granted_ < std::max(level, kProtectedLevel))
        return false;
    enterPage(index);
    return true;
}

void PanelMachine::enterPage(int index) {
    if (temporaryGrant_ && index != temporaryPage_) {
        granted_ = *temporaryGrant_;
        temporaryGrant_.reset();
        reportLevel();
    }
    const int language = screen_.language;
    screen_ = PanelScreen{};
    screen_.language = language;
    screen_.page = image_.page(index) ? index : kAlarmScreen;
    if (screen_.page != kAlarmScreen)
        previousPage_ = index;
    placeMenuCursors();
    if (hasFlag(sysflag::kReportCurrentPage) && screen_.page != kAlarmScreen)
        setSystemWord(ProjectHeader::kCurrentPageRegOff, image_.pageNumber(index));
}

void PanelMachine::jumpToAlarmList() {
    const uint16_t alarmPage = image_.header().alarmPage();
    if (alarmPage != ProjectHeader::kNoAlarmPage && image_.page(alarmPage)) {
        enterPage(alarmPage);
        return;
    }
    const int back = screen_.page == kAlarmScreen ? previousPage_ : screen_.page;
    enterPage(kAlarmScreen);
    previousPage_ = back;
}

// A key that ends the screen saver or lights the backlight does nothing else.
bool PanelMachine::wake() {
    idleMs_ = 0;
    const bool asleep = saver_ || !backlight_;
    backlight_ = true;
    if (saver_) {
        saver_ = false;
        enterPage(previousPage_);
    }
    return asleep;
}

void PanelMachine::press(Key key) {
    if (wake())
        return;
    if (screen_.page == kAlarmScreen) {
        if (key == Key::Esc || key == Key::Enter)
            enterPage(previousPage_);
        return;
    }
    entryRefused_ = false;
    if (screen_.entryWidget >= 0)
        entryKey(key);
    else if (!passwordKey(key) && !runPageKeys(key) && !(key == Key::Set && beginEntry(-1)) &&
             !menuKey(key) && currentPage()) {
        if (key == Key::Up)
            showPage(currentPage()->upPage);
        else if (key == Key::Down)
            showPage(currentPage()->downPage);
    }
    sync();
}

void PanelMachine::tick(uint32_t milliseconds) {
    idleMs_ += milliseconds;
    const ProjectHeader& h = image_.header();
    if (hasFlag(sysflag::kBacklightOff) && idleMs_ >= uint64_t(h.backlightDelay()) * kMsPerSecond)
        backlight_ = false;
    if (hasFlag(sysflag::kScreenProtection) && !saver_ && screen_.page != kAlarmScreen &&
        idleMs_ >= uint64_t(h.screenProtectDelay()) * kMsPerSecond &&
        image_.page(h.screenSaverPage())) {
        const int back = screen_.page;
        enterPage(h.screenSaverPage());
        previousPage_ = back;
        saver_ = true;
    }
    if (const sim::ImagePage* page = currentPage())
        screen_.trends.advance(*page, registers_, milliseconds);
}

void PanelMachine::sync() {
    const ProjectHeader& h = image_.header();
    if (hasFlag(sysflag::kMultiLanguage) && image_.languages() == 2)
        screen_.language = languageFromRegister(systemWord(ProjectHeader::kLanguageRegOff));
    if (hasFlag(sysflag::kAutoTransPage)) {
        const uint16_t number = systemWord(ProjectHeader::kPageControlRegOff);
        if (number != pageControl_) {
            pageControl_ = number;
            enterPage(image_.pageOfNumber(number).value_or(h.defaultPage()));
        }
    }
    const std::vector<int> on = activeAlarms(systemAlarms(image_), registers_);
    const bool newAlarm = std::any_of(on.begin(), on.end(), [&](int k) {
        return std::find(alarmsOn_.begin(), alarmsOn_.end(), k) == alarmsOn_.end();
    });
    alarmsOn_ = on;
    if (newAlarm && hasFlag(sysflag::kAutoAlarmPage))
        jumpToAlarmList();
}

void PanelMachine::setPassword(int level, const std::string& digits) {
    if (level >= 0 && std::size_t(level) < passwords_.size())
        passwords_[std::size_t(level)] = digits.substr(0, std::size_t(kPasswordCells));
}

uint16_t PanelMachine::systemWord(std::size_t headerOff) const {
    const RegisterRef reg = image_.header().registerAt(headerOff);
    return registers_.word(reg);
}

void PanelMachine::setSystemWord(std::size_t headerOff, uint16_t value) {
    const RegisterRef reg = image_.header().registerAt(headerOff);
    registers_.setWord(reg, value);
}

void PanelMachine::render(PanelPicture& out) const {
    renderScreen(image_, screen_, registers_, out);
}

} // namespace zorv::panel
