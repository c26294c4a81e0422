#include "model/LightPictures.h"

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
    bool anyPage = false;
    for (const auto& page : project->pages()) {
        const WidgetNode* node = page->findWidget(widgetId);
        if (!node || node->kind != WidgetKind::Led)
            continue;
        anyPage = true;
        if (pictureNameInUse(*project, name, page.get(), widgetId))
            return true;
    }
    return !anyPage && pictureNameInUse(*project, name, nullptr, widgetId);
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
