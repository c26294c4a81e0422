#include "app/TipFile.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "platform/FileRead.h"
#include "platform/Registry.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

// A line is read in pieces of at most this many characters.
constexpr std::size_t kLineLimit = 999;

// Lines that start with a tab, a blank, ";" or a line end are no tips.
bool isTipLine(const std::string& line) {
    switch (line.front()) {
    case '\t':
    case ' ':
    case ';':
    case '\n':
    case '\r':
        return false;
    default:
        return true;
    }
}

} // namespace

fs::path tipsFilePath(const fs::path& programFolder, bool chinesePrc) {
    return programFolder / (chinesePrc ? "Tips.tip" : "Tips_en.tip");
}

std::string fileTimeText(const fs::path& file) {
    std::error_code ec;
    const fs::file_time_type written = fs::last_write_time(file, ec);
    if (ec)
        return {};
    const std::time_t time = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(written)));
    const char* text = std::ctime(&time);
    if (!text)
        return {};
    std::string result(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r'))
        result.pop_back();
    return result;
}

bool tipAtStartUp(const Registry& registry) {
    return registry.intValue(kTipStartUpKey, 0) == 0;
}

TipFile::TipFile(Registry& registry, const fs::path& file) : registry_(registry) {
    FileContents contents = readWholeFile(file);
    if (!contents) {
        fail(contents.missing ? State::Missing : State::Trouble,
             contents.missing ? kTipsMissingMessage : kTipsTroubleMessage);
        return;
    }
    bytes_ = std::move(contents.bytes);
    const std::string stamp = fileTimeText(file);
    long start = 0;
    if (registry_.value(kTipTimeStampKey) == stamp)
        start = registry_.intValue(kTipFilePosKey, 0);
    else
        registry_.setValue(kTipTimeStampKey, stamp);
    if (start < 0) {
        fail(State::Trouble, kTipsTroubleMessage);
        return;
    }
    next_ = std::size_t(start);
    readTip();
}

void TipFile::next() {
    if (bytes_)
        readTip();
}

void TipFile::storePosition() {
    if (bytes_)
        registry_.setValue(kTipFilePosKey, std::to_string(next_));
}

bool TipFile::readLine(std::string& line) {
    line.clear();
    while (line.size() < kLineLimit && next_ < bytes_->size()) {
        const char c = char((*bytes_)[next_++]);
        line.push_back(c);
        if (c == '\n')
            break;
    }
    return !line.empty();
}

void TipFile::readTip() {
    // At the end of the file the reading goes on from its start; a second end means the file
    // holds no tip at all, and the tip stays empty.
    bool rewound = false;
    std::string line;
    for (;;) {
        if (readLine(line)) {
            if (!isTipLine(line))
                continue;
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            state_ = State::Ready;
            text_ = line;
            return;
        }
        if (rewound) {
            state_ = State::Ready;
            text_.clear();
            return;
        }
        next_ = 0;
        rewound = true;
    }
}

void TipFile::fail(State state, const char* message) {
    state_ = state;
    text_ = message;
}

} // namespace zorv
