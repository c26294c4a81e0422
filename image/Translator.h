#pragma once
// Translation of projects of the older one-language text-display panels (".qsp", ".qvd") into
// the project tables. The older file layout is described in docs/older-project-format.md.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/CHCData.h"

namespace zorv {

inline constexpr const char* kImportFailedMessage =
    "Failed to recognize the file format, import failed!";

// A page of the older file whose number an earlier page already has, and the number it gets:
// the next one above that no page of the file uses (counting on from 0 past 65535).
struct RenumberedPage {
    int position = 0;    // its place among the page records of the file, from 1
    uint16_t stored = 0; // the number the file gives it
    uint16_t given = 0;
    bool operator==(const RenumberedPage&) const = default;
};

class CTranslator {
public:
    // Pictures are written as BMP files into `folder`/pic and named "pic/P<page>-<n>.bmp" in
    // their records, relative to the folder (the work folder of an unsaved project).
    explicit CTranslator(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Fills a new project from the older file, its pages in ascending number order; a page
    // repeating a number gets the next free one and is listed in `renumbered` (when given). On
    // failure (a wrong signature, an unknown object, a bitmap header that is not the 40-byte
    // kind, an object count that differs from the objects read, or any count or length beyond
    // the bytes the file holds) the result is false and the project keeps what was translated
    // so far.
    bool translate(std::span<const uint8_t> file, CHCData& project,
                   std::vector<RenumberedPage>* renumbered = nullptr) const;

private:
    std::filesystem::path folder_;
};

// What the user is told of the renumbered pages, one line for each; empty when there are none.
std::string renumberedPagesWarning(std::span<const RenumberedPage> pages);

// Screen protection and backlight delay of an older timeout code, in seconds.
uint16_t olderTimeoutSeconds(uint8_t code);
// The key code of an older key number; unknown numbers give ESC (18).
uint8_t olderKeyCode(uint8_t oldKey);

} // namespace zorv
