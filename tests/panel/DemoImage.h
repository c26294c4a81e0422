#pragma once
// Download images for the panel's tests, benchmark and window tests: a project in its JSON form
// compiled with the font files that ship in the program folder. Needs ZORV_SOURCE_DIR.

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/json/ProjectJson.h"
#include "image/ImageCompiler.h"

namespace zorv::test {

inline std::vector<uint8_t> sourceFile(const std::string& relative) {
    std::ifstream in(std::string(ZORV_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The image, or nothing with the import's or the compiler's message.
inline std::vector<uint8_t> compiledJson(const std::string& text, std::string& error) {
    CHCData project;
    if (!json::importProjectJson(text, project, error))
        return {};
    GlyphSources fonts;
    for (FontFile f : {FontFile::Asc16, FontFile::Hzk14, FontFile::UserLib, FontFile::Syslib1})
        fonts.file(f) = sourceFile(std::string("data/program/") + fontFileName(f));
    CompileResult result = compileImage(project, fonts);
    error = result.message;
    return result.image;
}

inline const std::vector<uint8_t>& demoImage() {
    static const std::vector<uint8_t> image = [] {
        const auto text = sourceFile("data/demo.json");
        std::string error;
        return compiledJson(std::string(text.begin(), text.end()), error);
    }();
    return image;
}

} // namespace zorv::test
