#pragma once
// The images of the panel tests, with a failed import or compile reported as a test failure.

#include <gtest/gtest.h>

#include "tests/panel/DemoImage.h"

namespace zorv::test {

inline std::vector<uint8_t> compiledJson(const std::string& text) {
    std::string error;
    std::vector<uint8_t> image = compiledJson(text, error);
    EXPECT_FALSE(image.empty()) << error;
    return image;
}

} // namespace zorv::test
