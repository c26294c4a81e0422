// Guards against: a converter run that leaves its working files behind, reports success when
// the program is missing or too slow, or does not copy its output over the image.

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "comm/Converter.h"
#include "platform/ScriptedPrompt.h"
#include "platform/posix/PosixProcess.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {
fs::path makeFolder(const std::string& script) {
    fs::path dir = fs::temp_directory_path() / ("zorv-h-conv-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    if (!script.empty()) {
        std::ofstream(dir / kConverterProgram) << "#!/bin/sh\n" << script << "\n";
        fs::permissions(dir / kConverterProgram, fs::perms::owner_all);
    }
    std::ofstream(dir / "old.qsp") << "old project";
    return dir;
}
} // namespace

TEST(Converter, CopiesOutputAndCleansUp) {
    const fs::path dir = makeFolder("cat \"$1\" > \"$2\"; echo converted >> \"$2\"");
    ScriptedPrompt prompt;
    PosixProcessRunner runner;
    EXPECT_TRUE(runConverter(dir, dir / "old.qsp", dir / "UserData.hc", runner, prompt));
    EXPECT_EQ(prompt.texts, std::vector<std::string>{"Conversion is success!"});
    std::ifstream in(dir / "UserData.hc");
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "old projectconverted");
    EXPECT_FALSE(fs::exists(dir / "FileIn.qsp"));
    EXPECT_FALSE(fs::exists(dir / "FileOut.hc"));
}

TEST(Converter, MissingOrSlowProgramFails) {
    ScriptedPrompt prompt;
    PosixProcessRunner runner;
    const fs::path none = makeFolder("");
    EXPECT_FALSE(runConverter(none, none / "old.qsp", none / "UserData.hc", runner, prompt));
    const fs::path slow = makeFolder("sleep 5; cp \"$1\" \"$2\"");
    EXPECT_FALSE(runConverter(slow, slow / "old.qsp", slow / "UserData.hc", runner, prompt,
                              std::chrono::milliseconds(100)));
    EXPECT_EQ(prompt.texts,
              (std::vector<std::string>{"QSpan_Translator.exe can not find, can not be converted!",
                                        "Conversion is failed!"}));
    EXPECT_FALSE(fs::exists(slow / "FileIn.qsp"));
    EXPECT_FALSE(fs::exists(slow / "UserData.hc"));
}
