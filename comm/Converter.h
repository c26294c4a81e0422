#pragma once
// The download tool's hidden converter: an older project is turned into a download image by the
// external program qSpan_Translator, run in the program folder with a 120 s limit. The two
// paths it works on are remembered in config.ini.

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Prompt.h"

namespace zorv {

inline constexpr const char* kConverterProgram = "qSpan_Translator";
inline constexpr const char* kConverterMissingMessage =
    "QSpan_Translator.exe can not find, can not be converted!";
inline constexpr const char* kConversionFailedMessage = "Conversion is failed!";
inline constexpr const char* kConversionDoneMessage = "Conversion is success!";

// Copies `input` to FileIn.qsp in `folder`, runs the converter there and copies FileOut.hc over
// `imagePath`. The working files are deleted in every case. True on success.
bool runConverter(const std::filesystem::path& folder, const std::filesystem::path& input,
                  const std::filesystem::path& imagePath, ProcessRunner& runner, Prompt& prompt,
                  std::chrono::milliseconds limit = std::chrono::milliseconds(120000));

// The paths remembered for the converter's two file choosers (empty when not set).
struct ConverterPaths {
    std::string input;  // "InputFile"
    std::string output; // "OutputFile"
};
ConverterPaths readConverterPaths(const Paths& paths);
bool rememberConverterInput(const Paths& paths, const std::string& input);
bool rememberConverterOutput(const Paths& paths, const std::string& output);

} // namespace zorv
