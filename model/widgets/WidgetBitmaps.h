#pragma once
// The bitmaps of the image widgets: the key and light images of the program folder's "icon2",
// and the pictures of the project folder. Names are given as the project keeps them
// ("icon2\Led_Round1.bmp", "Pic\lamp.bmp"): backslashes separate folders, and a name that
// differs from the file on disk only in letter case still finds it (projects made on Windows).
//
// Each file is loaded once and shared until it changes on disk, so a page of fifty keys loads
// each key image once. One process-wide instance serves the widget classes, whose new objects
// take their default images from it; the editor sets its folders at start and whenever the
// project's folder changes, and tests give it their own loader.

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

#include "oonedraw/GBitmap.h"

namespace zorv {

class WidgetBitmaps {
public:
    using Loader = std::function<std::optional<oonedraw::GBitmap>(const std::filesystem::path&)>;

    explicit WidgetBitmaps(Loader loader = &oonedraw::GBitmap::LoadFile);

    static WidgetBitmaps& shared();

    void setProgramFolder(std::filesystem::path folder) { programFolder_ = std::move(folder); }
    void setProjectFolder(std::filesystem::path folder) { projectFolder_ = std::move(folder); }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    const std::filesystem::path& projectFolder() const { return projectFolder_; }
    void setLoader(Loader loader);

    // An image of the program folder; the placeholder when it cannot be loaded, so that the
    // widget showing it keeps a size it can be picked by.
    oonedraw::GBitmapPtr programBitmap(std::string_view name);
    // A picture named relative to the project folder; none when it cannot be loaded.
    oonedraw::GBitmapPtr projectBitmap(std::string_view name);

    // A 16 x 16 box framed in black, white (transparent) inside.
    static oonedraw::GBitmapPtr placeholder();

    // `folder` followed by the name's parts; each part that does not exist as written is looked
    // up in its folder without regard to letter case.
    static std::filesystem::path resolve(const std::filesystem::path& folder,
                                         std::string_view name);

private:
    oonedraw::GBitmapPtr load(const std::filesystem::path& path);

    struct Entry {
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        oonedraw::GBitmapPtr bitmap;
    };

    Loader loader_;
    std::filesystem::path programFolder_;
    std::filesystem::path projectFolder_;
    std::map<std::filesystem::path, Entry> cache_;
};

} // namespace zorv
