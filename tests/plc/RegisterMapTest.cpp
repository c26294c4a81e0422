// The register map: the default places of the four families (X and Y clear of M), the rule that
// keeps bits on bit objects, and the map's file read back the same or refused with its line.

#include <gtest/gtest.h>

#include <fstream>

#include "plc/RegisterMap.h"
#include "tests/TestFolder.h"

using namespace zorv;
using namespace zorv::plc;

namespace {

RegisterRef reg(RegisterType type, uint16_t address, uint8_t station = 1) {
    return {station, uint8_t(type), address};
}

void write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

} // namespace

TEST(RegisterMap, DefaultPlacesAndStations) {
    const RegisterMap map;
    EXPECT_EQ(map.locate(reg(RegisterType::D, 8499, 3)),
              (ModbusAddress{3, ModbusObject::HoldingRegister, 8499}));
    EXPECT_EQ(map.locate(reg(RegisterType::M, 0)), (ModbusAddress{1, ModbusObject::Coil, 0}));
    // X17 and Y377 (octal): clear of M's coils 0..8499.
    EXPECT_EQ(map.locate(reg(RegisterType::X, 017)),
              (ModbusAddress{1, ModbusObject::DiscreteInput, 10015}));
    EXPECT_EQ(map.locate(reg(RegisterType::Y, 0377)),
              (ModbusAddress{1, ModbusObject::Coil, 11255}));
    EXPECT_EQ(map.locate(RegisterRef{1, 9, 0}), std::nullopt); // no family
}

TEST(RegisterMap, FamiliesKeepToTheirKindAndToTheProtocolAddresses) {
    RegisterMap map;
    EXPECT_FALSE(map.setFamily(RegisterType::D, {ModbusObject::Coil, 0}));
    EXPECT_FALSE(map.setFamily(RegisterType::M, {ModbusObject::InputRegister, 0}));
    EXPECT_NE(familyMappingFault(RegisterType::M, {ModbusObject::HoldingRegister, 0})
                  .find("the M registers are bits"),
              std::string::npos);
    // D8499 must stay at or below 65535; Y377 too.
    EXPECT_TRUE(map.setFamily(RegisterType::D, {ModbusObject::InputRegister, 65535 - 8499}));
    EXPECT_FALSE(map.setFamily(RegisterType::D, {ModbusObject::HoldingRegister, 65536 - 8499}));
    EXPECT_FALSE(map.setFamily(RegisterType::Y, {ModbusObject::Coil, 65536 - 255}));
    EXPECT_EQ(map, [] {
        RegisterMap expected;
        expected.setFamily(RegisterType::D, {ModbusObject::InputRegister, 65535 - 8499});
        return expected;
    }());
    // An address past the family's range (a damaged record) has no protocol address.
    EXPECT_EQ(map.locate(reg(RegisterType::D, 8500)), std::nullopt);
    EXPECT_EQ(map.locate(reg(RegisterType::D, 8499))->address, 65535);
}

TEST(RegisterMapFile, ReadsBackWhatItWrites) {
    const auto folder = test::freshTestFolder("plcmap-");
    EXPECT_EQ(registerMapFileOf(folder / "Press.zvd"), folder / "Press.plcmap.csv");
    const auto file = registerMapFileOf(folder / "Press.zvd");
    RegisterMap map;
    std::string message;
    ASSERT_TRUE(loadRegisterMap(file, map, message)) << message; // missing: the default
    EXPECT_EQ(map, RegisterMap());

    map.setFamily(RegisterType::D, {ModbusObject::InputRegister, 4096});
    map.setFamily(RegisterType::X, {ModbusObject::Coil, 1024});
    ASSERT_TRUE(saveRegisterMap(file, map));
    RegisterMap back;
    ASSERT_TRUE(loadRegisterMap(file, back, message)) << message;
    EXPECT_EQ(back, map);

    // Rows in any order, a family left out keeps its default place.
    write(file, "\xEF\xBB\xBF"
                "family,object,base\r\nY,coil,500\r\n\r\nM,coil,2000\r\n");
    ASSERT_TRUE(loadRegisterMap(file, back, message)) << message;
    EXPECT_EQ(back.family(RegisterType::Y), (FamilyMapping{ModbusObject::Coil, 500}));
    EXPECT_EQ(back.family(RegisterType::M), (FamilyMapping{ModbusObject::Coil, 2000}));
    EXPECT_EQ(back.family(RegisterType::D), RegisterMap().family(RegisterType::D));
}

TEST(RegisterMapFile, FaultsNameTheirLineAndLeaveTheMap) {
    const auto folder = test::freshTestFolder("plcmap-");
    const auto file = folder / "Press.plcmap.csv";
    struct Case {
        const char* text;
        const char* says;
    };
    for (const Case& c : {
             Case{"", "line 1: the first line must be"},
             Case{"family,object\nD,coil\n", "line 1: the first line must be"},
             Case{"family,object,base\nD,holding-register\n", "line 2: a row holds"},
             Case{"family,object,base\nD,holding-register,0\nZ,coil,0\n", "line 3: the family"},
             Case{"family,object,base\nDM,coil,0\n", "line 2: the family must be"},
             Case{"family,object,base\nM,coil,0\nM,coil,1\n",
                  "line 3: the family M is mapped twice"},
             Case{"family,object,base\nM,coils,0\n", "line 2: the object must be"},
             Case{"family,object,base\nM,coil,-1\n", "line 2: the base must be"},
             Case{"family,object,base\nM,coil,65536\n", "line 2: the base must be"},
             Case{"family,object,base\nM,coil,1x\n", "line 2: the base must be"},
             Case{"family,object,base\nD,coil,0\n", "line 2: the D registers are words"},
             Case{"family,object,base\nX,discrete-input,65300\n", "line 2: a base of 65300"},
             Case{"family,object,base\nM,\"coil\n", "line 2: a quoted field is not closed"},
         }) {
        write(file, c.text);
        RegisterMap map;
        map.setFamily(RegisterType::M, {ModbusObject::Coil, 7});
        const RegisterMap before = map;
        std::string message;
        EXPECT_FALSE(loadRegisterMap(file, map, message)) << c.text;
        EXPECT_NE(message.find(c.says), std::string::npos) << c.text << " -> " << message;
        EXPECT_NE(message.find(file.string()), std::string::npos);
        EXPECT_EQ(map, before);
    }
    std::filesystem::create_directory(folder / "Dir.plcmap.csv");
    RegisterMap map;
    std::string message;
    EXPECT_FALSE(loadRegisterMap(folder / "Dir.plcmap.csv", map, message));
    EXPECT_FALSE(message.empty());
}
