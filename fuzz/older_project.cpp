// Older project files of any shape must translate or fail without reading out of bounds.
#include <cstdint>
#include <filesystem>
#include <span>

#include "image/Translator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "zorv-fuzz-older-project";
    zorv::CHCData project;
    zorv::CTranslator(folder).translate(std::span(data, size), project);
    return 0;
}
