#include "model/rules/MenuRules.h"

namespace zorv::rules {

MenuForm menuFormOf(const MenuRecord& r) {
    return {addressFormOf(r.reg()), r.registerLength(), std::to_string(r.rows()), r.mode(),
            choiceRowsOf(r)};
}

int64_t menuMaxValue(uint8_t mode, int registerLength) {
    if (mode == MenuRecord::kModeRegisterSetting && registerLength == 2)
        return UINT32_MAX;
    return UINT16_MAX;
}

ConfirmResult<MenuRecord> confirmMenu(const MenuRecord& copy, const MenuForm& form) {
    ConfirmResult<MenuRecord> result{copy, {}, true};
    MenuRecord& r = result.record;
    r.setRegister(enterRegister(form.reg, {RegisterType::D, RegisterType::M}, result.messages));
    const int length = int(cutToRange(form.registerLength, 1, 2));
    r.setRegisterLength(uint8_t(length));
    r.setRows(uint8_t(typedNumber(form.rowsPerPage, 0, 4)));
    const uint8_t mode = form.mode == MenuRecord::kModeRegisterSetting
                             ? MenuRecord::kModeRegisterSetting
                             : MenuRecord::kModePageJump;
    r.setMode(mode);
    applyChoiceRows(r, form.rows, menuMaxValue(mode, length));
    return result;
}

} // namespace zorv::rules
