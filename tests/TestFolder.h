#pragma once
// Folders of the running test. ctest runs every test in a process of its own and several at once,
// so a folder is named after the test's suite and name: two tests never share one.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zorv::test {

// The running test's folder with this prefix, made if it is missing and kept as it is.
inline std::filesystem::path testFolder(const std::string& prefix) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                         (prefix + test->test_suite_name() + "." + test->name());
    std::filesystem::create_directories(folder);
    return folder;
}

// The running test's folder with this prefix, emptied.
inline std::filesystem::path freshTestFolder(const std::string& prefix) {
    const std::filesystem::path folder = testFolder(prefix);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace zorv::test
