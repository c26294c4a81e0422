#pragma once
// Every choice about the panel's drawing and behaviour that the download image does not fix,
// made once here. docs/panel-behaviour.md explains each one; keep the two in step.

#include <cstdint>
#include <string>

namespace zorv::panel {

// --- Display -----------------------------------------------------------------------------
constexpr int kWidth = 192, kHeight = 64;
constexpr int kCellWidth = 8;   // an ASCII character
constexpr int kLineHeight = 16; // every character, every menu and alarm row
constexpr int kGlyphWidth = 16; // a GB2312 or library character

// Flashing texts are drawn in their "on" phase: a still picture shows what the text says.
constexpr bool kFlashingShownOn = true;
// A bordered text gets a one-pixel frame just outside its cells; a virtual text a dotted one.
constexpr int kFrameGap = 1;

// --- Values ------------------------------------------------------------------------------
// Two registers hold a 32-bit value with the low word at the lower address (PanelRegisters).
// A bit read from a word register is on when the word is not zero; a word read from a bit
// family takes 16 consecutive bits, the addressed one as bit 0.
constexpr int kBitsPerWord = 16;
// A value wider than its digits shows a row of this character instead of wrong digits.
constexpr char kOverflowChar = '*';
// Digits that are not typed are blanks (right-aligned numbers), not zeros; HEX/BCD values show
// leading zeros, as a hexadecimal field does.
constexpr bool kDecimalLeadingZeros = false;

// --- Indicator lights --------------------------------------------------------------------
// A light is lit when its bit is on, or off with negative logic. A lit round or square lamp has
// the inside of its symbol filled; a custom light shows image 1 lit and image 2 unlit.
// Light images keep the bitmap file's sense: a cleared bit is ink.
constexpr bool kLightImageInkIsClearBit = true;

// --- Bars and trends ---------------------------------------------------------------------
// A trend chart draws its axes and its samples, oldest at the left axis, one per dot pitch,
// joined by lines; a full chart scrolls left. The charts of the shown page sample (the panel
// reads only what it shows) and start afresh when a page is shown. A chart without samples (a
// still preview) shows the present value as a dotted line at its dot pitch.
constexpr int kTrendAxisInset = 2;
// The acquisition interval counts tenths of a second (the default 5 samples twice a second).
constexpr uint32_t kTrendIntervalMs = 100;

// --- Menus -------------------------------------------------------------------------------
// Rows per page of 0 show one row. Only the menu that has the cursor shows its cursor row
// inverted; LEFT and RIGHT move the cursor between the menus of a page.
constexpr int kMinRows = 1;

// --- Password ----------------------------------------------------------------------------
// The password control shows 8 cells: a '*' per typed digit, '_' for the rest.
constexpr int kPasswordCells = 8;
constexpr char kPasswordTyped = '*', kPasswordFree = '_';
// The panel's passwords before the operator changes one: level n is four digits n ("1111").
inline std::string defaultPassword(int level) {
    return std::string(4, char('0' + (level % 10)));
}
// A key or register marked for the password, or a page with a display level, needs a granted
// password level of at least 1 (display level: at least that level).
constexpr int kProtectedLevel = 1;

// --- Language ----------------------------------------------------------------------------
// With multi-language support the language register chooses: 2 is language 2, any other value
// language 1. Without it the panel keeps the language it was given.
constexpr int languageFromRegister(uint16_t value) {
    return value == 2 ? 1 : 0;
}
constexpr uint16_t languageRegisterValue(int language) {
    return language == 1 ? 2 : 1;
}

// --- Pages -------------------------------------------------------------------------------
// The page control register and the current page register hold the user's page numbers.
// A page number that no page has in the page control register shows the default page.
// Without an alarm page a jump to the alarm list shows the system alarm screen: the image's
// alarm section, four rows, drawn from the top-left corner.
constexpr int kAlarmScreen = -1;
constexpr int kAlarmScreenRows = 4;

// --- Register entry ----------------------------------------------------------------------
// Typed digits are the value's digits with its decimals (typing 1234 with one decimal gives
// 123.4, raw 1234); HEX/BCD digits are nibbles. An entry that breaks a limit is refused: the
// register keeps its value and the entry stays open with no digits typed.
// The related M bit of a register is set after every accepted entry.
constexpr bool kRefusedEntryStaysOpen = true;

} // namespace zorv::panel
