#pragma once
// The words of the memory meter, shared by the editor's status-bar pane and `zorv compile
// --stats`: the one-line figure, how close it is to the limits, and the breakdown.

#include <string>

#include "image/CompileStats.h"

namespace zorv {

// "31.2 KB of 56 KB, 312/512 characters" (1 KB = 1024 bytes, one decimal).
std::string meterText(std::size_t imageBytes, int glyphCount);

// The figure of a compiled project, or the compiler's reason for a refused one.
std::string meterSummary(const CompileStats& stats);

// Warning past 90 % of either limit, Error past either limit or on a refused compile.
enum class MeterLevel { Normal, Warning, Error };
MeterLevel meterLevel(const CompileStats& stats);

// Lines of the image size and characters against their limits, each section's bytes and the
// largest pages; a refused compile gives its reason.
std::string meterBreakdown(const CompileStats& stats);

} // namespace zorv
