#pragma once
// A page template: pages taken out of one project, with the picture files their widgets name,
// to be inserted into another. The file holds, little-endian:
//   "ZVPT", u16 version (1), u16 page count (1..1024), u16 picture count (0..1024);
//   each page: u32 length, then that many bytes: the 20-byte page head, u32 flags, i32 next
//     widget id, u8 description length (0..39), the description, and the widgets in the
//     clipboard's widget stream (writeWidgetStream) up to the end of the page's bytes;
//   each picture: u16 name length (1..255), the name as the records keep it ("pic\logo.bmp"),
//     u32 byte count (at most 1 MiB), the file's bytes;
// and nothing after the last picture.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/CHCData.h"

namespace zorv {

struct TemplatePicture {
    std::string name; // as the records name it
    std::vector<uint8_t> bytes;
};

struct PageTemplate {
    std::vector<CPage> pages; // no two with one number
    std::vector<TemplatePicture> pictures;
};

inline constexpr std::size_t kMaxTemplatePages = 1024, kMaxTemplatePictures = 1024;
inline constexpr std::size_t kMaxTemplatePictureBytes = 1u << 20;

void writePageTemplate(const PageTemplate& pages, std::vector<uint8_t>& out);
// Reads what writePageTemplate wrote; `out` is replaced only when every byte is sound. False,
// with what is wrong in `message`, for bytes that are cut short or out of their ranges.
bool readPageTemplate(std::span<const uint8_t> bytes, PageTemplate& out, std::string& message);

// The template of the project's pages `numbers`, with each picture file their widgets name that
// lies in the project folder (a name without its file is kept as it is). False when a page is
// missing.
bool takePageTemplate(const CHCData& project, std::span<const uint16_t> numbers,
                      const std::filesystem::path& projectFolder, PageTemplate& out,
                      std::string& message);

// The last part of a picture name ("logo.bmp" of "pic\logo.bmp"); empty when it names no file.
std::string pictureFileName(std::string_view name);

} // namespace zorv
