#pragma once
// Small projects for the check tests: a clean ring of pages that every check passes, and the
// means to add exactly one fault to it.

#include <algorithm>
#include <string>
#include <vector>

#include "checks/Checks.h"
#include "model/WidgetRecords.h"

namespace zorv::test {

// Pages 1..n, each Up and Down key leading to its neighbours around a ring, so that every page
// is reached from the start page 1 and no Up or Down page is missing.
inline CHCData ringProject(int pages = 3) {
    CHCData project;
    for (int n = 1; n <= pages; ++n) {
        CPage* page = project.addPage(uint16_t(n), PlaceMode::Insert);
        page->head.setUpPage(uint16_t(n == 1 ? pages : n - 1));
        page->head.setDownPage(uint16_t(n == pages ? 1 : n + 1));
    }
    return project;
}

template <class R> int32_t addWidget(CHCData& project, int pageNumber, const R& record) {
    CPage* page = project.pageByNumber(uint16_t(pageNumber));
    const int32_t id = page->nextWidgetId++;
    page->widgets.push_back(WidgetNode::of(id, record));
    return id;
}

template <class R> R placed(R record, uint16_t x, uint16_t y) {
    record.setX(x);
    record.setY(y);
    return record;
}

inline KeyRecord jumpKey(uint16_t target) {
    KeyRecord key = KeyRecord::makeDefault();
    key.setKeyCode(10);
    key.setActionByte(KeyRecord::ScreenJump);
    key.setValue(target);
    return key;
}

inline KeyRecord setKey(RegisterRef reg, uint16_t value) {
    KeyRecord key = KeyRecord::makeDefault();
    key.setActionByte(KeyRecord::SetRegister);
    key.setRegister(reg);
    key.setValue(value);
    return key;
}

inline RegisterRecord entryRegister(RegisterRef reg, int count = 1) {
    RegisterRecord r = RegisterRecord::makeDefault();
    r.setRegister(reg);
    r.setRegisterCount(uint8_t(count));
    r.setOption(RegisterRecord::kSettable, true);
    return r;
}

inline StaticTextRecord text(std::string_view language1, std::string_view language2 = "") {
    StaticTextRecord r = StaticTextRecord::makeDefault();
    r.setText(0, TextSlot::fromBytes(language1));
    r.setText(1, TextSlot::fromBytes(language2));
    return r;
}

inline RegisterRef d(uint16_t address) {
    return {1, uint8_t(RegisterType::D), address};
}

inline Findings check(const CHCData& project, std::span<const ModbusRow> modbus = {},
                      const CompileStats* stats = nullptr) {
    return runChecks(CheckInput{project, stats, modbus});
}

inline std::vector<std::string> codesOf(const Findings& findings) {
    std::vector<std::string> codes;
    for (const Finding& f : findings)
        codes.push_back(f.code);
    return codes;
}

inline std::vector<std::string> linesOf(const Findings& findings) {
    std::vector<std::string> lines;
    for (const Finding& f : findings)
        lines.push_back(findingLine(f));
    return lines;
}

} // namespace zorv::test
