#pragma once
// Confirming a menu.

#include "model/records/MenuRecord.h"
#include "model/rules/ChoiceTableRules.h"
#include "model/rules/ConfirmResult.h"
#include "model/rules/RegisterEntry.h"

namespace zorv::rules {

struct MenuForm {
    AddressForm reg;
    int registerLength = 1; // words
    std::string rowsPerPage = "3";
    uint8_t mode = MenuRecord::kModePageJump;
    std::vector<ChoiceRow> rows;
};
MenuForm menuFormOf(const MenuRecord& r);

// The largest item value: a page number in page-jump mode, else what the register holds
// (the image takes 2 bytes of the value per register word).
int64_t menuMaxValue(uint8_t mode, int registerLength);

// Menus have no double size, so their item texts only keep the 24-byte limit of a text slot.
ConfirmResult<MenuRecord> confirmMenu(const MenuRecord& copy, const MenuForm& form);

} // namespace zorv::rules
