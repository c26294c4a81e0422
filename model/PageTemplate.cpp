#include "model/PageTemplate.h"

#include <algorithm>
#include <cstring>

#include "model/ByteReader.h"
#include "model/FileOps.h"
#include "model/PictureFiles.h"
#include "model/ProjectStream.h"

namespace zorv {

namespace {

constexpr char kMagic[4] = {'Z', 'V', 'P', 'T'};
constexpr uint16_t kVersion = 1;
constexpr std::size_t kMaxPictureName = 255;

bool damaged(std::string& message, const std::string& what) {
    message = "The page template is damaged: " + what;
    return false;
}

std::string pageText(std::size_t index) {
    return "page " + std::to_string(index + 1) + " of the file";
}

void writePage(const CPage& page, std::vector<uint8_t>& out) {
    std::vector<uint8_t> body;
    ByteWriter w(body);
    w.bytes(page.head.bytes);
    w.u32(page.flags);
    w.i32(page.nextWidgetId);
    const std::string& text = page.description();
    w.u8(uint8_t(text.size()));
    w.bytes(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    writeWidgetStream(page.widgets, body);
    ByteWriter(out).u32(uint32_t(body.size()));
    ByteWriter(out).bytes(body);
}

bool readPage(std::span<const uint8_t> body, std::size_t index, CPage& page, std::string& message) {
    ByteReader r(body);
    r.read(page.head.bytes);
    page.flags = r.u32();
    page.nextWidgetId = r.i32();
    const uint8_t length = r.u8();
    if (r.ok() && length > CPage::kDescriptionCapacity)
        return damaged(message, pageText(index) + " has a description of " +
                                    std::to_string(length) + " bytes");
    const auto text = r.take(length);
    if (!r.ok())
        return damaged(message, pageText(index) + " is cut short");
    page.setDescription(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    if (!readWidgetStream(body.subspan(r.position()), page.widgets))
        return damaged(message, "the widgets of " + pageText(index) + " are unreadable");
    return true;
}

} // namespace

std::string pictureFileName(std::string_view name) {
    const auto slash = name.find_last_of("\\/");
    const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
    if (file.empty() || file == "." || file == ".." || file.find('\0') != std::string_view::npos)
        return {};
    return std::string(file);
}

void writePageTemplate(const PageTemplate& pages, std::vector<uint8_t>& out) {
    ByteWriter w(out);
    w.bytes(std::span(reinterpret_cast<const uint8_t*>(kMagic), sizeof kMagic));
    w.u16(kVersion);
    w.u16(uint16_t(pages.pages.size()));
    w.u16(uint16_t(pages.pictures.size()));
    for (const CPage& page : pages.pages)
        writePage(page, out);
    for (const TemplatePicture& picture : pages.pictures) {
        w.u16(uint16_t(picture.name.size()));
        w.bytes(
            std::span(reinterpret_cast<const uint8_t*>(picture.name.data()), picture.name.size()));
        w.u32(uint32_t(picture.bytes.size()));
        w.bytes(picture.bytes);
    }
}

bool readPageTemplate(std::span<const uint8_t> bytes, PageTemplate& out, std::string& message) {
    ByteReader r(bytes);
    const auto magic = r.take(sizeof kMagic);
    if (!r.ok() || std::memcmp(magic.data(), kMagic, sizeof kMagic) != 0) {
        message = "The file is no page template.";
        return false;
    }
    const uint16_t version = r.u16();
    const uint16_t pageCount = r.u16();
    const uint16_t pictureCount = r.u16();
    if (!r.ok())
        return damaged(message, "its head is cut short");
    if (version != kVersion)
        return damaged(message, "version " + std::to_string(version) + " is not known");
    if (pageCount == 0 || pageCount > kMaxTemplatePages)
        return damaged(message, "it names " + std::to_string(pageCount) + " pages");
    if (pictureCount > kMaxTemplatePictures)
        return damaged(message, "it names " + std::to_string(pictureCount) + " pictures");
    PageTemplate read;
    for (std::size_t i = 0; i < pageCount; ++i) {
        const uint32_t length = r.u32();
        if (!r.ok() || length > r.remaining())
            return damaged(message, pageText(i) + " runs past the end of the file");
        CPage page;
        if (!readPage(r.take(length), i, page, message))
            return false;
        const bool twice = std::any_of(read.pages.begin(), read.pages.end(),
                                       [&](const CPage& p) { return p.number() == page.number(); });
        if (twice)
            return damaged(message, "page " + std::to_string(page.number()) + " comes twice");
        read.pages.push_back(std::move(page));
    }
    for (std::size_t i = 0; i < pictureCount; ++i) {
        const std::string which = "picture " + std::to_string(i + 1);
        const uint16_t nameLength = r.u16();
        if (r.ok() && (nameLength == 0 || nameLength > kMaxPictureName))
            return damaged(message,
                           which + " has a name of " + std::to_string(nameLength) + " bytes");
        const auto name = r.take(nameLength);
        const uint32_t size = r.u32();
        if (r.ok() && size > kMaxTemplatePictureBytes)
            return damaged(message, which + " holds " + std::to_string(size) + " bytes");
        const auto data = r.take(size);
        if (!r.ok())
            return damaged(message, which + " runs past the end of the file");
        TemplatePicture picture{std::string(name.begin(), name.end()), {data.begin(), data.end()}};
        if (pictureFileName(picture.name).empty())
            return damaged(message, which + " names no file");
        read.pictures.push_back(std::move(picture));
    }
    if (!r.atEnd())
        return damaged(message, std::to_string(r.remaining()) + " bytes follow the last picture");
    out = std::move(read);
    return true;
}

bool takePageTemplate(const CHCData& project, std::span<const uint16_t> numbers,
                      const std::filesystem::path& projectFolder, PageTemplate& out,
                      std::string& message) {
    PageTemplate taken;
    for (uint16_t number : numbers) {
        const CPage* page = project.pageByNumber(number);
        if (!page) {
            message = "Page " + std::to_string(number) + " does not exist.";
            return false;
        }
        if (std::any_of(taken.pages.begin(), taken.pages.end(),
                        [&](const CPage& p) { return p.number() == number; }))
            continue;
        taken.pages.push_back(*page);
        for (const WidgetNode& node : page->widgets)
            for (const std::string& name : pictureNamesOf(node)) {
                const bool known = std::any_of(
                    taken.pictures.begin(), taken.pictures.end(),
                    [&](const TemplatePicture& p) { return samePictureName(p.name, name); });
                if (known || taken.pictures.size() == kMaxTemplatePictures ||
                    name.size() > kMaxPictureName || pictureFileName(name).empty())
                    continue;
                auto bytes = fileops::readFile(picturePath(projectFolder, name));
                if (bytes && bytes->size() <= kMaxTemplatePictureBytes)
                    taken.pictures.push_back({name, std::move(*bytes)});
            }
    }
    if (taken.pages.empty() || taken.pages.size() > kMaxTemplatePages) {
        message = "A template holds 1 to " + std::to_string(kMaxTemplatePages) + " pages.";
        return false;
    }
    out = std::move(taken);
    return true;
}

} // namespace zorv
