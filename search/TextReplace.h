#pragma once
// Texts replaced over a project: every place a widget's text in language 1, 2 or both holds the
// text sought, over the whole project, some pages or some widgets. The plan lists each change
// for a preview; a text the panel could not hold afterwards (a character GB2312 lacks, more than
// 24 bytes) is listed as refused and never stored.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/CHCData.h"
#include "search/Renumber.h"

namespace zorv {

enum ReplaceLanguages : unsigned {
    ReplaceLanguage1 = 1u << 0,
    ReplaceLanguage2 = 1u << 1,
    ReplaceBothLanguages = ReplaceLanguage1 | ReplaceLanguage2,
};

struct TextReplacement {
    uint16_t page = 0;
    int widget = 0; // index in the page's widget list
    int32_t widgetId = 0;
    WidgetKind kind = WidgetKind::None;
    std::size_t slot = 0;      // record offset of the text
    std::string field;         // "language 2 text", "text 3, language 1"
    std::string before, after; // UTF-8, as the panes show them
    // The code-page bytes stored; none when the text is refused, and then `refusal` says why.
    std::optional<std::string> bytes;
    std::string refusal;
};

// Every text in scope that holds `find` (UTF-8, letters compared as typed) with each occurrence
// replaced by `replacement`, in page and widget order; a text that comes out the same is left
// out. Nothing for an empty `find`.
std::vector<TextReplacement> planTextReplace(const CHCData& project, std::string_view find,
                                             std::string_view replacement, unsigned languages,
                                             const RenumberScope& scope);
// Stores the replacements that are not refused; the number stored.
int applyTextReplace(CHCData& project, std::span<const TextReplacement> replacements);

} // namespace zorv
