#pragma once
// Reads a download image and checks every section, page and widget against the image layout:
// section offsets and sizes, page records, widget offset tables, each widget's internal
// offsets and lengths, glyph references, the alarm section, the trailer and the size limit.

#include <cstdint>
#include <span>
#include <string>

#include "sim/ImageReaderDescription.h"

namespace zorv::sim {

constexpr std::size_t kImageSizeLimit = 57344;

// Decodes `bytes` into `out`. On the first inconsistency returns false with a message that
// names where it lies ("page 3 (number 7): widget 2 (Menu): item text offset 812 beyond the
// page end 790"); `out` then holds what was decoded before it. Never reads outside `bytes`.
bool readImage(std::span<const uint8_t> bytes, ImageDescription& out, std::string& error);

} // namespace zorv::sim
