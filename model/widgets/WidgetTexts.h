#pragma once
// The texts that the text widgets show on the canvas. `language` is the editor's language
// index: 0 shows language-1 texts, 1 language-2 texts.

#include <string>

#include "model/TextSlot.h"
#include "model/records/DynamicTextRecord.h"
#include "model/records/MenuRecord.h"
#include "model/records/StaticTextRecord.h"

namespace zorv {

// The text of the language, padded with spaces to the longer of the two texts (at most 24
// bytes), so that the object keeps its size when the language is switched; an empty text
// shows "?" in its place.
std::string languageText(const TextSlot& language1, const TextSlot& language2, int language);
std::string staticTextOf(const StaticTextRecord& r, int language);
// The first state's texts.
std::string dynamicTextOf(const DynamicTextRecord& r, int language);
// The first used item with a text in the language, padded to the largest of its own length and
// the two width fields (at most 24); "?" when no item has a text.
std::string menuTextOf(const MenuRecord& r, int language);
// The sample value of a numeric display: the digits 1, 2, 3 ... of `digits` places with
// `decimals` of them after the point ("123.45" for 5 and 2).
std::string numericSampleText(int digits, int decimals);

} // namespace zorv
