#pragma once
// Taking the texts of a translation file into a project. Every text is checked first: it must be
// GB2312 text the panel can show, fit the 24 bytes of a text, and stay within its room on the
// display as the project checks see it (no widget reaching past the display's edge or running
// into another on the panel's pixels that did not before). One fault refuses the whole file.

#include <span>
#include <string>
#include <vector>

#include "cli/texts/TranslationFile.h"
#include "image/GlyphFiles.h"

namespace zorv {

struct TextChange {
    std::string id;
    TextPlace place;
    int language = 0; // 0: language 1
    TextSlot before, after;
};

struct TextImportPlan {
    std::vector<TextChange> changes; // in the file's order
    std::vector<std::string> faults; // "line 4: P3.W12: ...", in line order
};

// What the texts would change, or why they are refused; the project is not touched. `fonts`
// compile the project for the overlap check; without the fonts that check is left out.
TextImportPlan planTextImport(const CHCData& project, std::span<const TranslatedText> texts,
                              const GlyphSources& fonts);
// Stores the changes; false when one names a text the project does not have.
bool applyTextChanges(CHCData& project, std::span<const TextChange> changes);

// "The texts were not imported:" and a line per fault.
std::string textImportRefusal(const std::vector<std::string>& faults);
// "P3.W12 language 2: "Temp" -> "Temperatur"".
std::string textChangeLine(const TextChange& change);

} // namespace zorv
