#pragma once
// The user-defined characters of UserLib.dat as FontMaker edits them. Record n of the file is
// the character 0x80 + n, so codes never move: a deleted character leaves a blank record with
// an empty label (a free code) unless it was the last one, and the count in the head is one
// past the highest code in use. Both copies of every record are written from the same picture.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "oonedraw/LibraryCopy.h"
#include "platform/Paths.h"

namespace zorv {

constexpr uint8_t kFirstUserCode = 0x80;
constexpr std::size_t kMaxUserCharacters = 128;
constexpr std::size_t kLibraryLabelSize = 20;

struct UserCharacter {
    uint8_t code = kFirstUserCode;
    oonedraw::GlyphRows rows{};
    // The record's last 20 bytes (a name); kept as read, "&XY" for a character added here.
    std::array<uint8_t, kLibraryLabelSize> label{};
};

class UserLibrary {
public:
    UserLibrary();

    // Takes the characters of a whole UserLib.dat. A file whose head is cut short, whose count
    // exceeds 128 or whose length is not the head plus `count` records is refused: false, with
    // `problem` saying why, and the library left as it was. A record with ink in either copy or
    // a label is a character; its picture is the on-screen copy, the one the page shows.
    bool parse(std::span<const uint8_t> file, std::string& problem);
    // The whole file: the head as read with the count set, then every record up to the highest
    // code in use.
    std::vector<uint8_t> bytes() const;

    // In ascending code order.
    const std::vector<UserCharacter>& characters() const { return characters_; }
    const UserCharacter* find(uint8_t code) const;
    // The lowest code from 0x80 that holds no character; nothing when all 128 are taken.
    std::optional<uint8_t> nextFreeCode() const;
    // Adds the character or replaces the picture of an existing one (keeping its label); false
    // for a code below 0x80.
    bool put(uint8_t code, const oonedraw::GlyphRows& rows);
    bool remove(uint8_t code);

    // Codes whose two copies showed different pictures when parsed; writing mends them.
    const std::vector<uint8_t>& differingCopies() const { return differing_; }

private:
    std::array<uint8_t, oonedraw::kLibraryHeadSize> head_{};
    std::vector<UserCharacter> characters_;
    std::vector<uint8_t> differing_;
};

// "&XY", the way a text names the character of code 0xXY.
std::string characterEscape(uint8_t code);

// Reads a UserLib.dat; false with `problem` set when it cannot be read or is refused.
bool readUserLibrary(const std::filesystem::path& path, UserLibrary& library, std::string& problem);
// Writes the library to a temporary file in the target's folder, flushed, then renamed over
// the target; on failure the previous file is left untouched.
bool saveUserLibrary(const std::filesystem::path& path, const UserLibrary& library);
// Where FontMaker saves: the work folder, which the compiler and the page canvas read first.
std::filesystem::path userLibrarySavePath(const Paths& paths);

} // namespace zorv
