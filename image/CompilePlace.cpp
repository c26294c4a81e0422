#include "image/CompilePlace.h"

namespace zorv {

std::string CompilePlace::describe() const {
    if (pageNumber == kSystemAlarmList)
        return "the system alarm list";
    return "page " + std::to_string(pageNumber) + " (" + std::string(typeName(kind)) + " at " +
           std::to_string(x) + "," + std::to_string(y) + ")";
}

} // namespace zorv
