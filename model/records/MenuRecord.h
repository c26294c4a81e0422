#pragma once

#include "model/records/ChoiceTable.h"
#include "model/records/RecordParts.h"

namespace zorv {

// A list of items that jump to pages or write values to a register; up to 20 items.
struct MenuRecord : ChoiceRecord<1228, WidgetKind::Menu, 28, 20, 20>, RegisterPart<MenuRecord> {
    static constexpr std::size_t kStationOff = 6, kTypeOff = 7, kAddressOff = 8;
    static constexpr std::size_t kRegisterLengthOff = 10, kRowsOff = 12, kModeOff = 14;
    static constexpr uint8_t kModePageJump = 1, kModeRegisterSetting = 2;

    static MenuRecord makeDefault() {
        MenuRecord r;
        r.setRegister({1, uint8_t(RegisterType::D), 0});
        r.setRegisterLength(1);
        r.setCount(1);
        r.setRows(3);
        r.setMode(kModePageJump);
        r.setWidth(0, 8);
        ChoiceEntry item;
        item.used = true;
        item.text[0] = TextSlot::fromBytes(std::string_view("Menu Control").substr(0, 8));
        r.setEntry(0, item);
        return r;
    }

    uint8_t registerLength() const { return u8(kRegisterLengthOff); }
    void setRegisterLength(uint8_t v) { setU8(kRegisterLengthOff, v); }
    uint8_t rows() const { return u8(kRowsOff); }
    void setRows(uint8_t v) { setU8(kRowsOff, v); }
    uint8_t mode() const { return u8(kModeOff); }
    void setMode(uint8_t v) { setU8(kModeOff, v); }
};
static_assert(sizeof(MenuRecord) == 1228);

} // namespace zorv
