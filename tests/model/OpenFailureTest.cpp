// Guards the reasons a failed open gives: a refused stream blamed on the wrong part of the file,
// a file cut short told as a bad value (or the other way round), two pages of one number not
// named, and a missing file or a folder told as merely unreadable.
#include <gtest/gtest.h>

#include "model/OpenFailure.h"
#include "model/ProjectStream.h"

using namespace zorv;
namespace fs = std::filesystem;

namespace {

// Two empty pages: the header and sizes end at 244, each page block takes 36 bytes and its
// filler 20, so page 2 starts at 300; the alarm list's head and its two texts of "No Alarm" take
// the 38 bytes before the 4-byte trailer.
constexpr std::size_t kFirstPage = 244, kSecondPage = 300, kAlarmFromEnd = 20 + 18 + 4;

std::vector<uint8_t> twoPages() {
    CHCData project;
    project.addPage(1, PlaceMode::Insert);
    project.addPage(2, PlaceMode::Insert);
    return projectStream(project);
}

std::string reasonOf(std::span<const uint8_t> stream) {
    CHCData project;
    StreamFault fault;
    EXPECT_FALSE(readProjectStream(stream, project, &fault));
    return streamFaultReason(fault);
}

} // namespace

TEST(OpenFailure, RefusedStreamsSayWhereAndWhy) {
    const std::vector<uint8_t> sound = twoPages();
    ASSERT_EQ(sound.size(), kSecondPage + 56 + kAlarmFromEnd);
    auto patched = [&](std::size_t at, std::initializer_list<uint8_t> bytes) {
        std::vector<uint8_t> s = sound;
        std::copy(bytes.begin(), bytes.end(), s.begin() + std::ptrdiff_t(at));
        return s;
    };
    auto cut = [&](std::size_t size) {
        return std::vector<uint8_t>(sound.begin(), sound.begin() + std::ptrdiff_t(size));
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> stream;
        const char* reason;
    };
    const std::vector<Case> cases{
        {"shorter than a header", cut(50),
         "The file is too short to hold the header of a project file."},
        {"another signature", patched(2, {'X'}),
         "The file does not begin with the header of a project file."},
        {"31 widget sizes", patched(120, {31, 0}),
         "The file holds a length or count out of range in the table of widget sizes."},
        {"cut in the widget sizes", cut(130),
         "The file is cut short in the table of widget sizes."},
        {"negative widget count on page 1", patched(kFirstPage + 8, {0xFF, 0xFF, 0xFF, 0xFF}),
         "The file holds a length or count out of range in page 1 of the 2 pages it holds."},
        {"cut in page 2", cut(kSecondPage + 10),
         "The file is cut short in page 2 of the 2 pages it holds."},
        // The page number is the first u16 of the page head, 16 bytes into the page block.
        {"page 2 numbered 1", patched(kSecondPage + 16, {1, 0}),
         "The file holds page number 1 twice, in pages 1 and 2 of the 2 pages it holds: each "
         "page needs a number of its own."},
        {"201 alarms", patched(sound.size() - kAlarmFromEnd + 10, {201, 0}),
         "The file holds a length or count out of range in the system alarm list."},
        {"cut in the alarm texts", cut(sound.size() - 10),
         "The file is cut short in the system alarm list."},
        {"cut in the end mark", cut(sound.size() - 2), "The file is cut short in its end mark."},
        {"another end mark", patched(sound.size() - 1, {0xFF}),
         "The end mark of the file is wrong: the file is damaged."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(reasonOf(c.stream), c.reason);
    }
}
