// Register entry (SET, digits, +/-, CLR, ENT, ESC) and the password control.

#include <algorithm>

#include "model/records/PasswordRecord.h"
#include "panel/PanelMachine.h"
#include "panel/PanelRegisterField.h"

namespace zorv::panel {

namespace {
enum PasswordMode : uint8_t { Lock = 0, Comparison = 1, Temporary = 2, Update = 3 };
} // namespace

bool PanelMachine::mayEnter(const sim::ImageWidget& w) const {
    if (w.kind != WidgetKind::Register)
        return false;
    const RegisterField field(w);
    if (!field.settable() || (field.encrypted() && granted_ < kProtectedLevel))
        return false;
    // With register setting control, the control register's bits choose the settable ones.
    return !hasFlag(sysflag::kRegisterSetControl) ||
           (field.record().setMask() & systemWord(ProjectHeader::kSetControlRegOff)) != 0;
}

// Opens the entry on the first register after position `after` that may be set, going round
// the page once; false when none may.
bool PanelMachine::beginEntry(int after) {
    const sim::ImagePage* page = currentPage();
    if (!page)
        return false;
    const int count = int(page->widgets.size());
    for (int step = 1; step <= count; ++step) {
        const int i = ((after < 0 ? -1 : after) + step) % count;
        if (mayEnter(page->widgets[std::size_t(i)])) {
            screen_.entryWidget = i;
            screen_.entry = TypedNumber{};
            return true;
        }
    }
    return false;
}

void PanelMachine::entryKey(Key key) {
    const sim::ImageWidget& w = currentPage()->widgets[std::size_t(screen_.entryWidget)];
    const RegisterField field(w);
    TypedNumber& typed = screen_.entry;
    if (isDigit(key)) {
        if (int(typed.digits.size()) < field.format().digits)
            typed.digits += char('0' + digitOf(key));
        return;
    }
    switch (key) {
    case Key::PlusMinus:
        typed.negative = field.format().isSigned && !typed.negative;
        return;
    case Key::Clr:
        typed = TypedNumber{};
        return;
    case Key::Esc:
        screen_.entryWidget = -1;
        return;
    case Key::Set:
        beginEntry(screen_.entryWidget);
        return;
    case Key::Enter:
        break;
    default:
        return;
    }
    const auto value = typedValue(typed, field.format());
    if (!value) {
        screen_.entryWidget = -1;
        return;
    }
    const auto raw = field.accept(*value, registers_);
    if (!raw) {
        entryRefused_ = true;
        typed = TypedNumber{};
        if (!kRefusedEntryStaysOpen)
            screen_.entryWidget = -1;
        return;
    }
    field.write(*raw, registers_);
    screen_.entryWidget = -1;
}

bool PanelMachine::passwordKey(Key key) {
    const sim::ImagePage* page = currentPage();
    if (!page)
        return false;
    const auto control = std::find_if(page->widgets.begin(), page->widgets.end(),
                                      [](const auto& w) { return w.kind == WidgetKind::Password; });
    if (control == page->widgets.end())
        return false;
    std::string& typed = screen_.password;
    if (isDigit(key)) {
        if (int(typed.size()) < kPasswordCells)
            typed += char('0' + digitOf(key));
        return true;
    }
    if (key == Key::Clr || (key == Key::Esc && !typed.empty())) {
        typed.clear();
        return true;
    }
    if (key != Key::Enter)
        return false;
    submitPassword(*control);
    return true;
}

void PanelMachine::submitPassword(const sim::ImageWidget& w) {
    const auto r = headRecord<PasswordRecord>(w);
    // Levels run from 1 to the image's number of password levels.
    const int top = int(passwords_.size()) - 1;
    const int level = top < kProtectedLevel ? 0 : std::clamp<int>(r.level(), kProtectedLevel, top);
    const std::string typed = screen_.password;
    screen_.password.clear();
    bool ok = level > 0;
    switch (r.mode()) {
    case Lock:
        granted_ = 0;
        break;
    case Update:
        ok = ok && granted_ >= level && !typed.empty();
        if (ok)
            passwords_[std::size_t(level)] = typed;
        break;
    default: // comparison, temporary
        ok = ok && typed == passwords_[std::size_t(level)];
        if (ok && r.mode() == Temporary && granted_ < level) {
            temporaryGrant_ = granted_;
            temporaryPage_ = r.successPage();
        }
        if (ok)
            granted_ = std::max(granted_, level);
        break;
    }
    reportLevel();
    showPage(ok ? r.successPage() : r.failurePage());
}

void PanelMachine::reportLevel() {
    if (hasFlag(sysflag::kReportPasswordLevel))
        setSystemWord(ProjectHeader::kPasswordLevelRegOff, uint16_t(granted_));
}

} // namespace zorv::panel
