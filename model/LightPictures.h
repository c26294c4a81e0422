#pragma once
// Taking a bitmap file as a custom light's picture: the file is checked and copied into the
// project's "pic" folder, the light's record takes it, and the file the light named before is
// deleted unless something else still names it.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "model/CHCData.h"
#include "model/records/LedRecord.h"

namespace zorv {

// Shown when the copy into the picture folder fails (full disk, no write permission).
inline constexpr const char* kPictureCopyFailedMessage =
    "The picture could not be copied into the picture folder!";

enum class LightPictureOutcome { Taken, BadFormat, CopyFailed };

// Whether the file `name` that the light `widgetId` drops from `droppedLogic` must stay: the
// light's other picture or another widget of the project still names it. The light's own stored
// record does not count. Widget ids repeat across pages, so the light's page is taken to be the
// one holding a light of that id at the light's position; when that does not single out one
// page, every such page is tried and the file stays if any try finds a user.
bool droppedLightPictureStays(const CHCData* project, const LedRecord& light, int droppedLogic,
                              std::string_view name, int32_t widgetId);

// Takes `source` as the picture of `logic` (0 positive, 1 negative). On BadFormat or CopyFailed
// the record and the folder are as before.
LightPictureOutcome takeLightPicture(LedRecord& light, int logic,
                                     const std::filesystem::path& source,
                                     const std::filesystem::path& projectFolder,
                                     const CHCData* project, int32_t widgetId);

} // namespace zorv
