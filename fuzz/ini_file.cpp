// Ini files of any shape must be searched without fault, by CIniFile and the profile reader.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "image/IniFile.h"
#include "image/IniFileProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / "zorv-fuzz-ini";
        std::filesystem::create_directories(f);
        return f;
    }();
    {
        std::ofstream out(folder / "fuzz.ini", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    zorv::CIniFile ini;
    ini.setFolder(folder.string() + "/");
    ini.setFileName("fuzz");
    std::string value;
    if (ini.openForReading()) {
        ini.getValue("path", "LastPath", value);
        ini.getValue("", "=", value);
    }
    ini.close();
    zorv::profileString(folder / "fuzz.ini", zorv::kConfigSection, zorv::kConfigInputKey);
    return 0;
}
