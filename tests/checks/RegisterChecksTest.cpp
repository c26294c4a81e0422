// Guards the register checks: a widget writing a system register (the page control or the
// language register) passing unnoticed, a register written as two different kinds of value
// (including the high word of a 32-bit value), and a Modbus reading row overwriting what a key
// sets; and that ordinary sharing (two keys setting values, a display reading) stays quiet.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CheckProjects.h"

using namespace zorv;
using namespace zorv::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

CHCData withLanguageRegister(uint16_t address) {
    CHCData project = ringProject(1);
    project.header.setFlags(project.header.flags() | sysflag::kMultiLanguage);
    project.header.setRegisterAt(ProjectHeader::kLanguageRegOff, d(address));
    return project;
}

} // namespace

TEST(SystemRegisters, WritingIsAnErrorReadingAWarning) {
    CHCData project = withLanguageRegister(20);
    addWidget(project, 1, entryRegister(d(19), 2)); // D19-D20 covers the language register
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("error page 1 Register 1 (0,0): writes D20, the language register of "
                            "the system parameters"));
    project.pageByNumber(1)->widgets[0].set(RegisterRecord::makeDefault()); // D0, shown only
    project.header.setRegisterAt(ProjectHeader::kLanguageRegOff, d(0));
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("warning page 1 Register 1 (0,0): reads D0, the language register of "
                            "the system parameters"));
}

TEST(SystemRegisters, OnlyEnabledRegistersAndOnlyTheirStation) {
    CHCData project = ringProject(1);
    addWidget(project, 1, setKey(d(2), 1)); // D2 is the language register, but it is off
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
    project.header.setFlags(project.header.flags() | sysflag::kMultiLanguage);
    EXPECT_EQ(check(project).size(), 1u);
    addWidget(project, 1, setKey({2, uint8_t(RegisterType::D), 2}, 1)); // another controller
    EXPECT_EQ(check(project).size(), 1u);
}

TEST(SystemRegisters, TwoSystemRegistersOnOneAddress) {
    CHCData project = ringProject(1);
    // The controller selects the page through D1, so the current page register moves to D2,
    // where the language register lies.
    project.header.setFlags(project.header.flags() | sysflag::kAutoTransPage |
                            sysflag::kReportCurrentPage | sysflag::kMultiLanguage);
    project.header.setRegisterAt(ProjectHeader::kPageControlRegOff, d(1));
    project.header.deriveCurrentPageRegister();
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("error project: the current page register and the language register "
                            "are both D2"));
}

TEST(WriteMeanings, SameMeaningIsQuietDifferentIsAWarning) {
    CHCData project = ringProject(1);
    addWidget(project, 1, setKey(d(10), 1));
    addWidget(project, 1, setKey(d(10), 2));
    addWidget(project, 1, entryRegister(d(10)));
    EXPECT_THAT(linesOf(check(project)), IsEmpty());
    KeyRecord signedKey = setKey(d(10), uint16_t(-1));
    signedKey.setActionByte(KeyRecord::SetRegister | KeyRecord::kSigned);
    addWidget(project, 1, placed(signedKey, 16, 48));
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("warning page 1 Key 4 (16,48): writes D10 as 16-bit signed, but page "
                            "1 Key 1 (0,0) writes it as 16-bit unsigned"));
}

TEST(WriteMeanings, HighWordOfA32BitValue) {
    CHCData project = ringProject(1);
    addWidget(project, 1, entryRegister(d(10), 2));
    addWidget(project, 1, setKey(d(11), 5));
    EXPECT_THAT(linesOf(check(project)),
                ElementsAre("warning page 1 Key 2 (0,0): writes D11 as 16-bit unsigned, but page "
                            "1 Register 1 (0,0) writes it as the high word of a 32-bit unsigned "
                            "value"));
}

TEST(WriteMeanings, CoilAgainstMenuValue) {
    CHCData project = ringProject(1);
    KeyRecord coil = KeyRecord::makeDefault();
    coil.setActionByte(KeyRecord::SetCoil);
    coil.setRegister({1, uint8_t(RegisterType::M), 5});
    addWidget(project, 1, coil);
    MenuRecord menu = MenuRecord::makeDefault();
    menu.setMode(MenuRecord::kModeRegisterSetting);
    menu.setRegister({1, uint8_t(RegisterType::M), 5});
    addWidget(project, 1, menu);
    EXPECT_THAT(codesOf(check(project)), ElementsAre("register-written-differently"));
}

TEST(ModbusOverwrites, ReadingRowsOverwriteWritingRowsDoNot) {
    CHCData project = ringProject(1);
    addWidget(project, 1, placed(setKey(d(100), 1), 0, 48));
    const ModbusRow sending{2, 3, 0x10, 100}; // "Cyclic Writing" sends D100 to device 3
    const ModbusRow reading{4, 3, 0x10, 100}; // "Circular reading" writes D100
    const ModbusRow alarm{0, 1, 0, 100};      // "Communication alarm" sets M100, not D100
    const ModbusRow quiet[] = {sending, alarm};
    EXPECT_THAT(linesOf(check(project, quiet)), IsEmpty());
    const ModbusRow loud[] = {sending, alarm, reading};
    EXPECT_THAT(linesOf(check(project, loud)),
                ElementsAre("error page 1 Key 1 (0,48): writes D100, which the Modbus table also "
                            "writes (row 3, Circular reading, device 3)"));
}
