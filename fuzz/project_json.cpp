// Any bytes given to the JSON project importer: no crash, and an accepted text exports to a
// form that imports again to the same project file stream.
#include <cstdlib>
#include <string_view>

#include "cli/json/ProjectJson.h"
#include "model/ProjectStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zorv::CHCData project;
    std::string error;
    if (!zorv::json::importProjectJson(std::string_view(reinterpret_cast<const char*>(data), size),
                                       project, error))
        return 0;
    const auto first = zorv::projectStream(project);
    zorv::CHCData again;
    if (!zorv::json::importProjectJson(zorv::json::exportProjectJson(project), again, error))
        std::abort();
    if (first != zorv::projectStream(again))
        std::abort();
    return 0;
}
