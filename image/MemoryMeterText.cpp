#include "image/MemoryMeterText.h"

namespace zorv {

namespace {

// part / whole with one decimal, rounded to the nearest tenth.
std::string oneDecimal(std::size_t part, std::size_t whole) {
    const std::size_t tenths = (part * 20 + whole) / (2 * whole);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string kilobytes(std::size_t bytes) {
    return oneDecimal(bytes, 1024);
}

std::string percentOf(std::size_t part, std::size_t whole) {
    return oneDecimal(part * 100, whole) + " %";
}

} // namespace

std::string meterText(std::size_t imageBytes, int glyphCount) {
    return kilobytes(imageBytes) + " KB of " + std::to_string(kImageLimit / 1024) + " KB, " +
           std::to_string(glyphCount) + "/" + std::to_string(kGlyphLimit) + " characters";
}

std::string meterSummary(const CompileStats& stats) {
    return stats.ok ? meterText(stats.imageBytes, stats.glyphCount) : stats.message;
}

MeterLevel meterLevel(const CompileStats& stats) {
    const std::size_t glyphs = std::size_t(stats.glyphCount);
    if (!stats.ok || stats.imageBytes > kImageLimit || glyphs > kGlyphLimit)
        return MeterLevel::Error;
    if (stats.imageBytes * 10 > kImageLimit * 9 || glyphs * 10 > kGlyphLimit * 9)
        return MeterLevel::Warning;
    return MeterLevel::Normal;
}

std::string meterBreakdown(const CompileStats& stats) {
    if (!stats.ok)
        return stats.message;
    std::string text = "Image: " + std::to_string(stats.imageBytes) + " of " +
                       std::to_string(kImageLimit) + " bytes (" +
                       percentOf(stats.imageBytes, kImageLimit) + ")\n";
    text += "Characters: " + std::to_string(stats.glyphCount) + " of " +
            std::to_string(kGlyphLimit) + " (" +
            percentOf(std::size_t(stats.glyphCount), kGlyphLimit) + ")\n";
    for (int s = 0; s < kImageSectionCount; ++s) {
        const auto section = ImageSection(s);
        text += "  " + std::string(sectionName(section)) + ": " +
                std::to_string(stats.bytesOf(section)) + " bytes\n";
    }
    text += "Largest pages:";
    if (stats.largestPages.empty())
        text += " none";
    for (std::size_t i = 0; i < stats.largestPages.size(); ++i) {
        const PageBytes& page = stats.largestPages[i];
        text += std::string(i ? "," : "") + " page " + std::to_string(page.number) + " (" +
                std::to_string(page.bytes) + " bytes)";
    }
    return text;
}

} // namespace zorv
