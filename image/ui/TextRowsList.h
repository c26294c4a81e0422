#pragma once
// Rows of code-page texts in an editable list: the list shows them as Unicode, a typed cell is
// taken back as code-page bytes or refused with a message, keeping the cell's old text.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "image/LanguageTextsFile.h"
#include "platform/Prompt.h"

namespace zorv {

class CEditListCtrl;

// Makes the list hold exactly `rows`, without telling the owner of cell changes.
void showTextRows(CEditListCtrl& list, const std::vector<TextRow>& rows);
void showTextCell(CEditListCtrl& list, int row, int column, std::string_view bytes);

// The bytes of a typed cell, or nothing after telling the user why it is refused.
std::optional<std::string> takeCellText(const QString& text, Prompt& prompt);

} // namespace zorv
