#include "model/widgets/WidgetBitmaps.h"

#include "model/widgets/WidgetColours.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace zorv {

namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y));
    });
}

// The entry of `folder` named `part` in any letter case; `part` itself when there is none.
fs::path findPart(const fs::path& folder, std::string_view part) {
    std::error_code ec;
    const fs::path exact = folder / part;
    if (fs::exists(exact, ec))
        return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), part))
            return it->path();
    }
    return exact;
}

} // namespace

WidgetBitmaps::WidgetBitmaps(Loader loader) : loader_(std::move(loader)) {}

WidgetBitmaps& WidgetBitmaps::shared() {
    static WidgetBitmaps instance;
    return instance;
}

void WidgetBitmaps::setLoader(Loader loader) {
    loader_ = std::move(loader);
    cache_.clear();
}

fs::path WidgetBitmaps::resolve(const fs::path& folder, std::string_view name) {
    fs::path result = folder;
    while (!name.empty()) {
        const std::size_t cut = name.find_first_of("\\/");
        const std::string_view part = name.substr(0, cut);
        if (!part.empty() && part != ".")
            result = findPart(result, part);
        name = cut == std::string_view::npos ? std::string_view() : name.substr(cut + 1);
    }
    return result;
}

oonedraw::GBitmapPtr WidgetBitmaps::programBitmap(std::string_view name) {
    oonedraw::GBitmapPtr bitmap = load(resolve(programFolder_, name));
    return bitmap ? bitmap : placeholder();
}

oonedraw::GBitmapPtr WidgetBitmaps::projectBitmap(std::string_view name) {
    if (name.empty())
        return nullptr;
    return load(resolve(projectFolder_, name));
}

// A cached bitmap is used while its file keeps the time and size it was loaded with; a picture
// replaced under the same name is loaded again.
oonedraw::GBitmapPtr WidgetBitmaps::load(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return nullptr;
    const fs::file_time_type modified = fs::last_write_time(path, ec);
    const std::uintmax_t size = ec ? 0 : fs::file_size(path, ec);
    if (ec)
        return nullptr;
    const auto cached = cache_.find(path);
    if (cached != cache_.end() && cached->second.modified == modified &&
        cached->second.size == size)
        return cached->second.bitmap;
    std::optional<oonedraw::GBitmap> loaded = loader_ ? loader_(path) : std::nullopt;
    if (!loaded || loaded->isNull())
        return nullptr;
    auto bitmap = std::make_shared<const oonedraw::GBitmap>(std::move(*loaded));
    cache_[path] = Entry{modified, size, bitmap};
    return bitmap;
}

oonedraw::GBitmapPtr WidgetBitmaps::placeholder() {
    static const oonedraw::GBitmapPtr box = [] {
        constexpr int32_t kSide = 16;
        oonedraw::GBitmap b(kSide, kSide);
        for (int32_t i = 0; i < kSide; ++i) {
            b.setPixel(i, 0, colour::kBlack);
            b.setPixel(i, kSide - 1, colour::kBlack);
            b.setPixel(0, i, colour::kBlack);
            b.setPixel(kSide - 1, i, colour::kBlack);
        }
        return std::make_shared<const oonedraw::GBitmap>(std::move(b));
    }();
    return box;
}

} // namespace zorv
