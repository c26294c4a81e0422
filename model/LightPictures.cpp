#include "model/LightPictures.h"

#include <algorithm>
#include <vector>

#include "model/FileOps.h"
#include "model/PictureFiles.h"

namespace zorv {

bool droppedLightPictureStays(const CHCData* project, const LedRecord& light, int droppedLogic,
                              std::string_view name, int32_t widgetId) {
    if (name.empty())
        return true;
    if (samePictureName(light.pictureName(droppedLogic == 0 ? 1 : 0), name))
        return true;
    if (!project)
        return false;
    // The pages that may hold the light: those with a light of this id, narrowed to the ones
    // where it sits at the light's position when that leaves any.
    std::vector<const CPage*> pages, placed;
    for (const auto& page : project->pages()) {
        const WidgetNode* node = page->findWidget(widgetId);
        if (!node || node->kind != WidgetKind::Led)
            continue;
        pages.push_back(page.get());
        const LedRecord stored = node->get<LedRecord>();
        if (stored.x() == light.x() && stored.y() == light.y())
            placed.push_back(page.get());
    }
    if (pages.empty())
        return pictureNameInUse(*project, name, nullptr, widgetId);
    const std::vector<const CPage*>& tried = placed.empty() ? pages : placed;
    return std::any_of(tried.begin(), tried.end(), [&](const CPage* page) {
        return pictureNameInUse(*project, name, page, widgetId);
    });
}

LightPictureOutcome takeLightPicture(LedRecord& light, int logic,
                                     const std::filesystem::path& source,
                                     const std::filesystem::path& projectFolder,
                                     const CHCData* project, int32_t widgetId) {
    const auto bitmap = loadMonochromeBitmap(source);
    if (!bitmap)
        return LightPictureOutcome::BadFormat;
    const auto name = copyIntoPictureFolder(source, projectFolder);
    if (!name)
        return LightPictureOutcome::CopyFailed;
    const std::string dropped = light.pictureName(logic);
    fillLightPicture(light, logic, *bitmap, *name);
    if (!samePictureName(dropped, *name) &&
        !droppedLightPictureStays(project, light, logic, dropped, widgetId))
        fileops::removeFile(picturePath(projectFolder, dropped));
    return LightPictureOutcome::Taken;
}

} // namespace zorv
