#include "comm/Converter.h"

#include "image/IniFileProfile.h"

namespace fs = std::filesystem;

namespace zorv {

bool runConverter(const fs::path& folder, const fs::path& input, const fs::path& imagePath,
                  ProcessRunner& runner, Prompt& prompt, std::chrono::milliseconds limit) {
    std::error_code ec;
    const fs::path program = folder / kConverterProgram;
    if (!fs::exists(program, ec)) {
        prompt.message(kConverterMissingMessage);
        return false;
    }
    // The program runs in its folder; the folder of this process stays as it is.
    const fs::path in = folder / "FileIn.qsp";
    const fs::path out = folder / "FileOut.hc";
    auto cleanUp = [&] {
        fs::remove(in, ec);
        fs::remove(out, ec);
    };
    fs::copy_file(input, in, fs::copy_options::overwrite_existing, ec);
    auto process = runner.start(program, {"FileIn.qsp", "FileOut.hc"}, folder);
    if (!process) {
        cleanUp();
        prompt.message(kConversionFailedMessage);
        return false;
    }
    if (!process->waitFor(limit)) {
        // A late converter must not write FileOut.hc after we have given up on it.
        process->kill();
        cleanUp();
        prompt.message(kConversionFailedMessage);
        return false;
    }
    fs::copy_file(out, imagePath, fs::copy_options::overwrite_existing, ec);
    const bool copied = !ec;
    cleanUp();
    prompt.message(copied ? kConversionDoneMessage : kConversionFailedMessage);
    return copied;
}

ConverterPaths readConverterPaths(const Paths& paths) {
    const fs::path file = configIniPath(paths);
    return {profileString(file, kConfigSection, kConfigInputKey),
            profileString(file, kConfigSection, kConfigOutputKey)};
}

bool rememberConverterInput(const Paths& paths, const std::string& input) {
    return writeProfileString(configIniPath(paths), kConfigSection, kConfigInputKey, input);
}

bool rememberConverterOutput(const Paths& paths, const std::string& output) {
    return writeProfileString(configIniPath(paths), kConfigSection, kConfigOutputKey, output);
}

} // namespace zorv
