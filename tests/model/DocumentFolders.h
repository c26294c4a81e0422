#pragma once
// A fresh folder per test, named after the test, and the program, work, temporary and project
// folders of a document inside it; all of it removed when the test ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/Paths.h"
#include "tests/TestFolder.h"

namespace zorv::test {

class DocumentFolders : public testing::Test {
protected:
    void SetUp() override {
        root = freshTestFolder("zorv_doc_");
        for (const char* d : {"program", "work", "temp", "projects"})
            std::filesystem::create_directories(root / d);
        paths = std::make_unique<FixedPaths>(root / "program", root / "work", root / "temp");
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::filesystem::path root;
    std::unique_ptr<FixedPaths> paths;
};

} // namespace zorv::test
