#pragma once
// The tips file of the tip of the day: which file, where the next tip starts and how a tip is
// read. The reading position and the file's time stamp are kept in the settings, so each start
// shows the tip after the last one seen, and a replaced file starts again at its first tip.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zorv {

class Registry;

inline constexpr const char* kTipStartUpKey = "Tip/StartUp";
inline constexpr const char* kTipFilePosKey = "Tip/FilePos";
inline constexpr const char* kTipTimeStampKey = "Tip/TimeStamp";
inline constexpr const char* kTipsMissingMessage =
    "Tips file does not exist in the prescribed directory";
inline constexpr const char* kTipsTroubleMessage = "Trouble reading the tips file";

// "Tips.tip" for Chinese of the PRC (language id 2052), "Tips_en.tip" for any other language.
std::filesystem::path tipsFilePath(const std::filesystem::path& programFolder, bool chinesePrc);

// The modification time of a file as the C library writes a time ("Wed Jun 30 21:49:08 1993",
// without the line end); empty when the file has none.
std::string fileTimeText(const std::filesystem::path& file);

// True when the tip of the day is to be shown at start-up ("StartUp" is 0 or not set).
bool tipAtStartUp(const Registry& registry);

class TipFile {
public:
    enum class State { Ready, Missing, Trouble };

    // Opens the file and reads the first tip to show: from "FilePos" when the file's time stamp
    // is the stored one, else from the start (the new time stamp is stored).
    TipFile(Registry& registry, const std::filesystem::path& file);

    State state() const { return state_; }
    // The tip, or the message of a missing or unreadable file.
    const std::string& text() const { return text_; }
    bool canGoOn() const { return bytes_.has_value(); }

    // Reads the tip after the current one.
    void next();
    // Stores where the next tip starts ("FilePos"); nothing when the file could not be opened.
    void storePosition();

private:
    // A line of at most kLineLimit characters from the reading place, with its line end; false
    // at the end of the file.
    bool readLine(std::string& line);
    void readTip();
    void fail(State state, const char* message);

    Registry& registry_;
    std::optional<std::vector<uint8_t>> bytes_; // the file, read whole
    std::size_t next_ = 0;                      // where the next line starts; may lie past the end
    State state_ = State::Ready;
    std::string text_;
};

} // namespace zorv
