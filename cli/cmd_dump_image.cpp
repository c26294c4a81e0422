// zorv dump-image IN.hc: a readable listing of a download image, section by section, page by
// page and widget by widget; ends with the first inconsistency found, if any (exit status 1).

#include <cstdio>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/ProjectFiles.h"
#include "sim/ImageReader.h"

namespace zorv::cli {

namespace {

int runDumpImage(const QStringList& args);

const Command kDumpImage{"dump-image", "dump-image IN.hc",
                         "list and check the sections, pages and widgets of a download image",
                         runDumpImage};
const CommandRegistration registration{kDumpImage};

// ASCII as it is, glyph references as {gN}, other bytes as \xNN.
std::string textOf(const sim::ImageString& s) {
    std::string out = "\"";
    char part[16];
    for (const auto& c : s.chars) {
        if (c.kind == sim::ImageChar::Glyph)
            std::snprintf(part, sizeof part, "{g%u}", c.value);
        else if (c.kind == sim::ImageChar::Ascii && c.value >= 0x20 && c.value < 0x7F &&
                 c.value != '"' && c.value != '\\')
            std::snprintf(part, sizeof part, "%c", char(c.value));
        else
            std::snprintf(part, sizeof part, "\\x%02X", c.value);
        out += part;
    }
    return out + "\"";
}

std::string pageIndexText(uint16_t index) {
    return index == 0xFFFF ? "none" : std::to_string(index);
}

void printSection(const char* name, uint64_t offset, uint64_t size) {
    std::printf("  %-16s %6llu %6llu\n", name, (unsigned long long)offset,
                (unsigned long long)size);
}

void printSections(const sim::ImageDescription& d) {
    const uint64_t n = d.pages.size();
    std::printf("Sections:          offset   size\n");
    printSection("header", 0, 120);
    printSection("page offsets", 120, 4 * n);
    printSection("page numbers", 120 + 4 * n, 2 * n);
    printSection("pages", 120 + 6 * n, d.asciiFontOffset - (120 + 6 * n));
    printSection("ASCII font", d.asciiFontOffset, 1520);
    printSection("glyph table", d.glyphTableOffset, d.alarmSectionOffset - d.glyphTableOffset);
    printSection("alarm section", d.alarmSectionOffset, d.fileSize - 4 - d.alarmSectionOffset);
    printSection("trailer", d.fileSize - 4, 4);
}

void printChoices(const sim::ImageWidget& w, const char* name) {
    for (std::size_t i = 0; i < w.choices.size(); ++i) {
        const auto& c = w.choices[i];
        std::printf("      %s %zu value %u: %s / %s\n", name, i, c.value, textOf(c.text[0]).c_str(),
                    textOf(c.text[1]).c_str());
    }
}

void printWidget(std::size_t j, const sim::ImageWidget& w) {
    std::printf("    widget %zu %s at %u, %u bytes, position (%u, %u)", j,
                std::string(typeName(w.kind)).c_str(), w.offset, w.size, w.x, w.y);
    if (w.reg) {
        const std::string name = isRegisterTypeCode(w.reg->type)
                                     ? registerName(w.reg->type, w.reg->address)
                                     : "type " + std::to_string(w.reg->type) + " address " +
                                           std::to_string(w.reg->address);
        std::printf(", %s station %u", name.c_str(), w.reg->station);
    }
    std::printf("\n");
    const auto& h = w.head;
    switch (w.kind) {
    case WidgetKind::Led:
    case WidgetKind::Key:
        if (w.kind == WidgetKind::Key)
            std::printf("      key code %u, action %u, value %u\n", h[1], h[7],
                        h[14] | (h[15] << 8));
        if (w.symbol)
            std::printf("      symbol %s\n", textOf(*w.symbol).c_str());
        break;
    case WidgetKind::DynamicText:
        std::printf("      widths %u / %u cells\n", w.textWidths[0], w.textWidths[1]);
        printChoices(w, "level");
        break;
    case WidgetKind::Menu:
        std::printf("      menu number %u, value width %u words, rows %u, mode %u\n", h[1], h[10],
                    h[12], h[14]);
        printChoices(w, "item");
        break;
    case WidgetKind::Password:
        std::printf("      level %u of %u, success page %u, failure page %u\n", h[1] & 15,
                    h[1] >> 4, h[8] | (h[9] << 8), h[10] | (h[11] << 8));
        break;
    case WidgetKind::StaticText:
        std::printf("      text %s / %s\n", textOf(w.text[0]).c_str(), textOf(w.text[1]).c_str());
        break;
    case WidgetKind::Alarm:
        std::printf("      rows %u\n", h[13]);
        printChoices(w, "entry");
        break;
    default:
        break;
    }
    for (const auto& b : w.bitmaps)
        std::printf("      bitmap %u x %u at %u, %zu bytes\n", b.width, b.height, b.offset,
                    b.bytes.size());
}

void printImage(const sim::ImageDescription& d) {
    std::printf("Image: %zu bytes (limit %zu)\n", d.fileSize, sim::kImageSizeLimit);
    std::printf("Header: %zu pages, start %u, default %u, screen saver %u, alarm page %s, "
                "%u languages, %zu glyphs\n",
                d.pages.size(), d.startPage, d.defaultPage, d.screenSaverPage,
                pageIndexText(d.alarmPage).c_str(), d.languages, d.glyphs.size());
    const bool sectionsRead = d.asciiFontOffset >= 120 + 6 * d.pages.size() &&
                              d.glyphTableOffset <= d.alarmSectionOffset &&
                              d.alarmSectionOffset + 4 <= d.fileSize;
    if (sectionsRead)
        printSections(d);
    for (std::size_t i = 0; i < d.pages.size(); ++i) {
        const auto& p = d.pages[i];
        std::printf("Page %zu (number %u) at %u, %u bytes, up %u, down %u, display level %u, %zu "
                    "widgets\n",
                    i, p.number, p.offset, p.size, p.upPage, p.downPage, p.displayLevel,
                    p.widgets.size());
        for (std::size_t j = 0; j < p.widgets.size(); ++j)
            printWidget(j, p.widgets[j]);
    }
    const auto& a = d.alarms;
    if (a.entries[0].empty())
        return;
    std::printf("Alarm section at %u, %u bytes, %zu alarms\n", a.offset, a.size,
                a.entries[0].size() - 1);
    for (std::size_t i = 0; i < a.entries[0].size(); ++i)
        std::printf("  entry %zu: %s / %s\n", i, textOf(a.entries[0][i]).c_str(),
                    textOf(a.entries[1][i]).c_str());
}

int runDumpImage(const QStringList& args) {
    if (args.size() != 1)
        return usageError(kDumpImage);
    std::vector<uint8_t> bytes;
    std::string error;
    if (!readFileBytes(args[0], bytes, error))
        return fail(error);
    sim::ImageDescription image;
    const bool ok = sim::readImage(bytes, image, error);
    printImage(image);
    std::fflush(stdout);
    return ok ? 0 : fail(error);
}

} // namespace

} // namespace zorv::cli
