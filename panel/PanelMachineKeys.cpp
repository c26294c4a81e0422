// The keys of a page: key widgets by their action, and the menus' cursors.

#include <algorithm>

#include "model/records/KeyRecord.h"
#include "model/records/MenuRecord.h"
#include "panel/PanelMachine.h"

namespace zorv::panel {

namespace {

enum CoilOperation : uint16_t { On = 0, Off = 1, Reverse = 2, Momentary = 3 };

bool isKeyFor(const sim::ImageWidget& w, Key key) {
    return w.kind == WidgetKind::Key && keyFromCode(HeadBytes(w).u8(KeyRecord::kKeyCodeOff)) == key;
}

int menuWords(const sim::ImageWidget& w) {
    return HeadBytes(w).u8(MenuRecord::kRegisterLengthOff) == 2 ? 2 : 1;
}

} // namespace

void PanelMachine::release(Key key) {
    const sim::ImagePage* page = currentPage();
    if (!page)
        return;
    for (const auto& w : page->widgets) {
        if (!isKeyFor(w, key))
            continue;
        const auto r = headRecord<KeyRecord>(w);
        // A momentary coil is on while its key is held.
        if (r.action() == KeyRecord::SetCoil && r.value() == Momentary)
            registers_.setBit(r.reg(), false);
    }
}

bool PanelMachine::runPageKeys(Key key) {
    const sim::ImagePage* page = currentPage();
    if (!page)
        return false;
    bool found = false;
    for (const auto& w : page->widgets) {
        if (!isKeyFor(w, key))
            continue;
        found = true;
        const int shown = screen_.page;
        runKeyAction(w);
        if (screen_.page != shown)
            break; // the keys of the page left behind do nothing more
    }
    return found;
}

void PanelMachine::runKeyAction(const sim::ImageWidget& w) {
    const auto r = headRecord<KeyRecord>(w);
    if ((r.attributes() & KeyRecord::kEncrypted) && granted_ < kProtectedLevel)
        return;
    const RegisterRef reg = r.reg();
    const bool isSigned = r.actionByte() & KeyRecord::kSigned;
    const auto number = [&](uint16_t v) { return isSigned ? int64_t(int16_t(v)) : int64_t(v); };
    switch (r.action()) {
    case KeyRecord::SetCoil:
        if (r.value() == Reverse)
            registers_.setBit(reg, !registers_.bit(reg));
        else
            registers_.setBit(reg, r.value() != Off);
        return;
    case KeyRecord::ScreenJump:
        if (r.value() == KeyRecord::kJumpToAlarmList)
            jumpToAlarmList();
        else
            showPage(r.value());
        return;
    case KeyRecord::SetRegister:
        registers_.setValue(reg, 1, number(r.value()));
        return;
    default: {
        const bool down = r.actionByte() & KeyRecord::kDecrease;
        int64_t v = registers_.value(reg, {1, isSigned, false});
        v += down ? -int64_t(r.value()) : int64_t(r.value());
        if (r.actionByte() & KeyRecord::kLimiting)
            v = down ? std::max(v, number(r.limit())) : std::min(v, number(r.limit()));
        registers_.setValue(reg, 1, v);
        return;
    }
    }
}

void PanelMachine::placeMenuCursors() {
    const sim::ImagePage* page = currentPage();
    if (!page)
        return;
    screen_.menuCursor.assign(page->widgets.size(), 0);
    screen_.menuFocus = -1;
    for (std::size_t i = 0; i < page->widgets.size(); ++i) {
        const auto& w = page->widgets[i];
        if (w.kind != WidgetKind::Menu)
            continue;
        if (screen_.menuFocus < 0)
            screen_.menuFocus = int(i);
        // A register-setting menu starts on the item the register holds.
        if (HeadBytes(w).u8(MenuRecord::kModeOff) == MenuRecord::kModeRegisterSetting && w.reg) {
            const int64_t held = registers_.value(*w.reg, {menuWords(w), false, false});
            const auto it = std::find_if(w.choices.begin(), w.choices.end(),
                                         [&](const auto& c) { return c.value == held; });
            screen_.menuCursor[i] = it == w.choices.end() ? 0 : int(it - w.choices.begin());
        }
    }
}

bool PanelMachine::menuKey(Key key) {
    const sim::ImagePage* page = currentPage();
    if (!page || screen_.menuFocus < 0)
        return false;
    std::vector<int> menus;
    for (std::size_t i = 0; i < page->widgets.size(); ++i)
        if (page->widgets[i].kind == WidgetKind::Menu)
            menus.push_back(int(i));
    const auto& w = page->widgets[std::size_t(screen_.menuFocus)];
    int& cursor = screen_.menuCursor[std::size_t(screen_.menuFocus)];
    const int items = int(w.choices.size());
    const auto at = std::find(menus.begin(), menus.end(), screen_.menuFocus) - menus.begin();
    const int count = int(menus.size());
    switch (key) {
    case Key::Up:
        cursor = std::max(cursor - 1, 0);
        return true;
    case Key::Down:
        cursor = std::clamp(cursor + 1, 0, std::max(items - 1, 0));
        return true;
    case Key::Left:
        screen_.menuFocus = menus[std::size_t((at + count - 1) % count)];
        return true;
    case Key::Right:
        screen_.menuFocus = menus[std::size_t((at + 1) % count)];
        return true;
    case Key::Enter:
        break;
    default:
        return false;
    }
    if (cursor >= items)
        return true;
    const uint32_t value = w.choices[std::size_t(cursor)].value;
    if (HeadBytes(w).u8(MenuRecord::kModeOff) == MenuRecord::kModePageJump)
        showPage(int(value));
    else if (w.reg)
        registers_.setValue(*w.reg, menuWords(w), value);
    return true;
}

} // namespace zorv::panel
