// Guards the register cross-reference: a use left out (bound registers, relation bits, alarm
// bits, disabled system registers listed), and the order by area and address.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CheckProjects.h"
#include "checks/RegisterUses.h"

using namespace zorv;
using namespace zorv::test;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> rows(const CHCData& project, std::span<const ModbusRow> modbus = {}) {
    std::vector<std::string> out;
    for (const RegisterUseEntry& u : registerUses(project, modbus))
        out.push_back(registerSpan(u) + " " + registerUseName(u.use) + " | " + useWhere(u) + " | " +
                      u.detail);
    return out;
}

} // namespace

TEST(RegisterUses, EveryUseSortedByAreaAndAddress) {
    CHCData project = ringProject(1);
    project.header.setFlags(project.header.flags() | sysflag::kReportPasswordLevel);
    project.alarmList.setEntryCount(3);
    project.alarmList.setRegisterType(uint8_t(RegisterType::M));
    project.alarmList.setStart(7);
    RegisterRecord reg = entryRegister(d(40), 2);
    reg.setOption(RegisterRecord::kUpperFromRegister, true);
    reg.setBoundRegister(RegisterRecord::kUpperOff, {1, uint8_t(RegisterType::D), 5, 1});
    reg.setRelation(true);
    reg.setRelatedAddress(300);
    addWidget(project, 1, reg);
    LedRecord led = LedRecord::makeDefault();
    led.setRegister({1, uint8_t(RegisterType::X), 8});
    addWidget(project, 1, led);
    const ModbusRow modbus[] = {{3, 2, 0, 41}};
    EXPECT_THAT(
        rows(project, modbus),
        ElementsAre("D3 system register | system parameters | password level register",
                    "D5 bound limit | page 1 Register 1 (0,0) | upper bound",
                    "D40-D41 read | page 1 Register 1 (0,0) | value",
                    "D40-D41 set by entry | page 1 Register 1 (0,0) | operator entry",
                    "D41 written by Modbus | Modbus table | row 1, Single reading, device 2",
                    "M7 read | alarm list | alarm 1", "M8 read | alarm list | alarm 2",
                    "M300 read | page 1 Register 1 (0,0) | relation bit",
                    "X10 read | page 1 Led 2 (0,0) | light"));
}

TEST(RegisterUses, KeysTellWhatTheyDo) {
    CHCData project = ringProject(1);
    KeyRecord step = setKey(d(9), 5);
    step.setActionByte(KeyRecord::RegisterStep | KeyRecord::kDecrease);
    addWidget(project, 1, step);
    KeyRecord coil = KeyRecord::makeDefault();
    coil.setActionByte(KeyRecord::SetCoil);
    coil.setRegister({1, uint8_t(RegisterType::M), 1});
    coil.setValue(2);
    addWidget(project, 1, coil);
    addWidget(project, 1, jumpKey(1)); // uses no register
    EXPECT_THAT(rows(project), ElementsAre("D9 written by key | page 1 Key 1 (0,0) | subtracts 5",
                                           "M1 written by key | page 1 Key 2 (0,0) | reverses "
                                           "the coil"));
}
