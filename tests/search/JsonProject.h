#pragma once
// The search tests' projects, written in the project's JSON form and compared through it.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/json/ProjectJson.h"
#include "model/CHCData.h"

namespace zorv::test {

inline CHCData projectOf(const char* json) {
    CHCData project;
    std::string error;
    EXPECT_TRUE(json::importProjectJson(json, project, error)) << error;
    return project;
}

inline nlohmann::json formOf(const CHCData& project) {
    return nlohmann::json::parse(json::exportProjectJson(project));
}

} // namespace zorv::test
