#include "model/OpenFailure.h"

namespace fs = std::filesystem;

namespace zorv {

std::string openFailureMessage(const char* message, const fs::path& file,
                               const std::string& reason) {
    return std::string(message) + "\n" + file.string() + "\n" + reason;
}

std::string undecipherableReason(std::size_t size) {
    return "The file cannot be deciphered: its size of " + std::to_string(size) +
           " bytes is not a multiple of 8.";
}

namespace {

std::string sharedNumberReason(const StreamFault& fault) {
    return "The file holds page number " + std::to_string(fault.number) + " twice, in pages " +
           std::to_string(fault.earlierPage) + " and " + std::to_string(fault.page) + " of the " +
           std::to_string(fault.pages) + " pages it holds: each page needs a number of its own.";
}

} // namespace

std::string streamFaultReason(const StreamFault& fault) {
    using Part = StreamFault::Part;
    std::string where;
    switch (fault.part) {
    case Part::Signature:
        return "The file does not begin with the header of a project file.";
    case Part::Header:
        return "The file is too short to hold the header of a project file.";
    case Part::SizeTable:
        where = "the table of widget sizes";
        break;
    case Part::Page:
        where = "page " + std::to_string(fault.page) + " of the " + std::to_string(fault.pages) +
                " pages it holds";
        break;
    case Part::PageNumber:
        return sharedNumberReason(fault);
    case Part::AlarmList:
        where = "the system alarm list";
        break;
    case Part::EndMark:
        if (!fault.cutShort)
            return "The end mark of the file is wrong: the file is damaged.";
        where = "its end mark";
        break;
    case Part::None:
        return {};
    }
    return fault.cutShort ? "The file is cut short in " + where + "."
                          : "The file holds a length or count out of range in " + where + ".";
}

} // namespace zorv
