#pragma once
// The picture rules shared by the picture widget and custom indicator lights: which bitmap
// files are taken, how they are copied into the project's "pic" folder, and what the records
// keep of them. A project's pictures live in "pic" under its project folder: the project
// file's folder, or the work folder while the project has no file yet (the first save copies
// them beside the file).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/CHCData.h"
#include "model/records/LedRecord.h"
#include "model/records/PictureRecord.h"

namespace zorv {

inline constexpr const char* kPictureFormatMessage =
    "Bitmap format does not match, can only choose not more than 192*64 monochrome bitmap!";
inline constexpr const char* kLightPictureFormatMessage =
    "Bitmap format does not match,Can only choose a monochrome bitmap not greater than 192*64!";
inline constexpr const char* kPictureFilter = "Bitmap file:(*.bmp)|*.bmp|";

// A 1-bit bitmap file's size and its pixel array as it lies in the file.
struct MonochromeBitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixelData;
};

// Nothing unless the bytes are an uncompressed 1-bit BMP of 1..192 x 1..64 pixels whose
// pixel array lies whole within the bytes.
std::optional<MonochromeBitmap> readMonochromeBitmap(std::span<const uint8_t> bytes);
std::optional<MonochromeBitmap> loadMonochromeBitmap(const std::filesystem::path& path);

std::filesystem::path pictureFolder(const std::filesystem::path& projectFolder);
// `folder` / `fileName`, or while that exists the name with everything from its last "."
// replaced by "a.bmp", again and again (logo.bmp, logoa.bmp, logoaa.bmp ...).
std::filesystem::path freePictureTarget(const std::filesystem::path& folder,
                                        const std::string& fileName);
// Copies the file into the picture folder (created when missing) under a free name; the name
// the records keep ("pic\" and the file name), or nothing when the copy failed.
std::optional<std::string> copyIntoPictureFolder(const std::filesystem::path& source,
                                                 const std::filesystem::path& projectFolder);

// A record's picture name ("pic\logo.bmp") as a path under the project folder.
std::filesystem::path picturePath(const std::filesystem::path& projectFolder,
                                  std::string_view name);

void fillPictureRecord(PictureRecord& record, const MonochromeBitmap& bitmap,
                       std::string_view name);
// logic 0: the positive-logic picture, 1: the negative-logic one.
void fillLightPicture(LedRecord& record, int logic, const MonochromeBitmap& bitmap,
                      std::string_view name);

// The picture names a widget's record keeps: a picture's one, a custom light's two; empty
// names left out.
std::vector<std::string> pictureNamesOf(const WidgetNode& node);

// Hands each picture name the record keeps (empty ones too) to `change` and stores what it
// leaves there.
void changePictureNames(WidgetNode& node, const std::function<void(std::string&)>& change);

// Whether two picture names name the same file: letter case and slash direction aside.
bool samePictureName(std::string_view a, std::string_view b);

// Whether a picture or custom light of the project names the file, other than the widget
// `exceptId` of `exceptPage`; names compare without regard to letter case or slash direction.
bool pictureNameInUse(const CHCData& project, std::string_view name, const CPage* exceptPage,
                      int32_t exceptId);

} // namespace zorv
