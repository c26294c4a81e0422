#pragma once
// Texts typed into the list cells of a pane. A text the panel cannot hold (a character GB2312
// lacks, more than 24 bytes) is not stored, but stays in its cell as typed for mending, while
// the pane's hint beside the list names the refused character or the length against the limit.

#include <QString>
#include <optional>
#include <string>

namespace zorv {

class CEditListCtrl;
class PropertyPane;

// The refused text of one cell; row -1: none.
struct RefusedCell {
    int row = -1;
    int column = -1;
    QString typed;
};

// The code-page bytes of the cell as typed, or nothing: then `refused` holds the typed text and
// the hint says why. A cell taken clears the hint that stood for the list.
std::optional<std::string> takeTypedCell(CEditListCtrl& list, int row, int column,
                                         PropertyPane& pane, RefusedCell& refused);
// After the list was filled from the stored texts: the refused text shows again in its cell for
// as long as the hint stands for the list (loading another record ends both).
void showRefusedCell(CEditListCtrl& list, PropertyPane& pane, const RefusedCell& refused);

} // namespace zorv
