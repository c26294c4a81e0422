#pragma once
// Download images for the panel tests: a project in its JSON form compiled with the font files
// that ship in the program folder.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/json/ProjectJson.h"
#include "image/ImageCompiler.h"

namespace zorv::test {

inline std::vector<uint8_t> sourceFile(const std::string& relative) {
    std::ifstream in(std::string(ZORV_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::vector<uint8_t> compiledJson(const std::string& text) {
    CHCData project;
    std::string error;
    EXPECT_TRUE(json::importProjectJson(text, project, error)) << error;
    GlyphSources fonts;
    for (FontFile f : {FontFile::Asc16, FontFile::Hzk14, FontFile::UserLib, FontFile::Syslib1})
        fonts.file(f) = sourceFile(std::string("data/program/") + fontFileName(f));
    CompileResult result = compileImage(project, fonts);
    EXPECT_TRUE(result.ok) << result.message;
    return result.image;
}

inline const std::vector<uint8_t>& demoImage() {
    static const std::vector<uint8_t> image = [] {
        const auto text = sourceFile("data/demo.json");
        return compiledJson(std::string(text.begin(), text.end()));
    }();
    return image;
}

} // namespace zorv::test
