// Keeps the committed seeds of the stream fuzzer readable: a seed that no longer reads would
// leave the fuzzer without a sound start.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/FileOps.h"
#include "model/ProjectStream.h"

TEST(StreamSeeds, EverySeedReads) {
    const std::filesystem::path dir =
        std::filesystem::path(ZORV_SOURCE_DIR) / "fuzz/corpus/project_stream";
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        auto bytes = zorv::fileops::readFile(entry.path());
        ASSERT_TRUE(bytes);
        zorv::CHCData project;
        EXPECT_TRUE(zorv::readProjectStream(*bytes, project)) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 2);
}
