#include "model/PictureFiles.h"

#include <algorithm>
#include <cctype>

#include "model/Bytes.h"
#include "model/FileOps.h"

namespace zorv {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

int32_t i32At(std::span<const uint8_t> b, std::size_t off) {
    return int32_t(le::u32(&b[off]));
}

// Lower case with backslashes, as names are compared.
std::string comparable(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        c = c == '/' ? '\\' : char(std::tolower(uint8_t(c)));
    return out;
}

bool namesPicture(const WidgetNode& node, const std::string& wanted) {
    const std::vector<std::string> names = pictureNamesOf(node);
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name) { return comparable(name) == wanted; });
}

} // namespace

std::vector<std::string> pictureNamesOf(const WidgetNode& node) {
    std::vector<std::string> names;
    if (node.kind == WidgetKind::Picture) {
        names.emplace_back(node.get<PictureRecord>().pictureName());
    } else if (node.kind == WidgetKind::Led) {
        const LedRecord r = node.get<LedRecord>();
        names.emplace_back(r.pictureName(0));
        names.emplace_back(r.pictureName(1));
    }
    std::erase_if(names, [](const std::string& name) { return name.empty(); });
    return names;
}

void changePictureNames(WidgetNode& node, const std::function<void(std::string&)>& change) {
    if (node.kind == WidgetKind::Picture) {
        PictureRecord record = node.get<PictureRecord>();
        std::string name = record.pictureName();
        change(name);
        record.setPictureName(name);
        node.set(record);
    } else if (node.kind == WidgetKind::Led) {
        LedRecord record = node.get<LedRecord>();
        for (int logic = 0; logic < 2; ++logic) {
            std::string name = record.pictureName(logic);
            change(name);
            record.setPictureName(logic, name);
        }
        node.set(record);
    }
}

bool samePictureName(std::string_view a, std::string_view b) {
    return comparable(a) == comparable(b);
}

std::optional<MonochromeBitmap> readMonochromeBitmap(std::span<const uint8_t> b) {
    if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M')
        return std::nullopt;
    const uint32_t dataOffset = le::u32(&b[10]);
    const uint32_t infoSize = le::u32(&b[14]);
    const int32_t width = i32At(b, 18);
    const int32_t rawHeight = i32At(b, 22);
    const uint16_t bits = le::u16(&b[28]);
    const uint32_t compression = le::u32(&b[30]);
    if (infoSize < kInfoHeaderSize || bits != 1 || compression != 0)
        return std::nullopt;
    // The most negative height cannot be negated; it is far beyond 64 anyway.
    if (rawHeight == INT32_MIN)
        return std::nullopt;
    const int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (width < 1 || width > 192 || height < 1 || height > 64)
        return std::nullopt;
    const std::size_t stride = std::size_t((width + 31) / 32) * 4;
    const std::size_t length = stride * std::size_t(height);
    if (dataOffset > b.size() || b.size() - dataOffset < length)
        return std::nullopt;
    MonochromeBitmap bitmap{width, height, {}};
    bitmap.pixelData.assign(b.begin() + dataOffset, b.begin() + dataOffset + length);
    return bitmap;
}

std::optional<MonochromeBitmap> loadMonochromeBitmap(const fs::path& path) {
    const auto bytes = fileops::readFile(path);
    return bytes ? readMonochromeBitmap(*bytes) : std::nullopt;
}

fs::path pictureFolder(const fs::path& projectFolder) {
    return projectFolder / "pic";
}

fs::path freePictureTarget(const fs::path& folder, const std::string& fileName) {
    std::string name = fileName;
    std::error_code ec;
    while (fs::exists(folder / name, ec)) {
        const std::size_t dot = name.rfind('.');
        name = (dot == std::string::npos ? name : name.substr(0, dot)) + "a.bmp";
    }
    return folder / name;
}

std::optional<std::string> copyIntoPictureFolder(const fs::path& source,
                                                 const fs::path& projectFolder) {
    const fs::path folder = pictureFolder(projectFolder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec))
        return std::nullopt;
    const fs::path target = freePictureTarget(folder, source.filename().string());
    if (!fileops::copyOver(source, target))
        return std::nullopt;
    return "pic\\" + target.filename().string();
}

fs::path picturePath(const fs::path& projectFolder, std::string_view name) {
    fs::path path = projectFolder;
    while (!name.empty()) {
        const std::size_t cut = name.find_first_of("\\/");
        if (const std::string_view part = name.substr(0, cut); !part.empty())
            path /= std::string(part);
        name = cut == std::string_view::npos ? std::string_view() : name.substr(cut + 1);
    }
    return path;
}

void fillPictureRecord(PictureRecord& record, const MonochromeBitmap& bitmap,
                       std::string_view name) {
    record.setSize(uint16_t(bitmap.width), uint16_t(bitmap.height));
    record.setBitmap(bitmap.pixelData);
    record.setPictureName(name);
}

void fillLightPicture(LedRecord& record, int logic, const MonochromeBitmap& bitmap,
                      std::string_view name) {
    record.setPictureSize(logic, uint16_t(bitmap.width), uint16_t(bitmap.height));
    record.setBitmap(logic, bitmap.pixelData);
    record.setPictureName(logic, name);
}

bool pictureNameInUse(const CHCData& project, std::string_view name, const CPage* exceptPage,
                      int32_t exceptId) {
    const std::string wanted = comparable(name);
    if (wanted.empty())
        return false;
    for (const auto& page : project.pages())
        for (const WidgetNode& node : page->widgets)
            if (!(page.get() == exceptPage && node.id == exceptId) && namesPicture(node, wanted))
                return true;
    return false;
}

} // namespace zorv
