#include "app/TipFile.h"

#include <chrono>
#include <ctime>
#include <system_error>

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
    file_.reset(std::fopen(file.c_str(), "rb"));
    if (!file_) {
        fail(State::Missing, kTipsMissingMessage);
        return;
    }
    const std::string stamp = fileTimeText(file);
    long start = 0;
    if (registry_.value(kTipTimeStampKey) == stamp)
        start = registry_.intValue(kTipFilePosKey, 0);
    else
        registry_.setValue(kTipTimeStampKey, stamp);
    if (start < 0 || std::fseek(file_.get(), start, SEEK_SET) != 0) {
        fail(State::Trouble, kTipsTroubleMessage);
        return;
    }
    readTip();
}

void TipFile::next() {
    if (file_)
        readTip();
}

void TipFile::storePosition() {
    if (!file_)
        return;
    const long position = std::ftell(file_.get());
    if (position >= 0)
        registry_.setValue(kTipFilePosKey, std::to_string(position));
}

TipFile::Line TipFile::readLine(std::string& line) {
    line.clear();
    int c = 0;
    while (line.size() < kLineLimit && (c = std::getc(file_.get())) != EOF) {
        line.push_back(char(c));
        if (c == '\n')
            break;
    }
    if (!line.empty())
        return Line::Read;
    return std::ferror(file_.get()) ? Line::Failed : Line::End;
}

void TipFile::readTip() {
    // At the end of the file the reading goes on from its start; a second end means the file
    // holds no tip at all, and the tip stays empty.
    bool rewound = false;
    std::string line;
    for (;;) {
        switch (readLine(line)) {
        case Line::Read:
            if (!isTipLine(line))
                continue;
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            state_ = State::Ready;
            text_ = line;
            return;
        case Line::End:
            if (rewound) {
                state_ = State::Ready;
                text_.clear();
                return;
            }
            if (std::fseek(file_.get(), 0, SEEK_SET) != 0) {
                fail(State::Trouble, kTipsTroubleMessage);
                return;
            }
            rewound = true;
            continue;
        case Line::Failed:
            fail(State::Trouble, kTipsTroubleMessage);
            return;
        }
    }
}

void TipFile::fail(State state, const char* message) {
    state_ = state;
    text_ = message;
}

} // namespace zorv
