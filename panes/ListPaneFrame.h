#pragma once
// The arrangement the dynamic text, menu and alarm-list panes share inside the property
// rectangle: the pane's captioned frame with the position and the pane's own fields in a column
// on the left and the text list on the right, spaced tightly enough to fit 525 x 290.

#include <QString>

class QGroupBox;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace zorv {

class CNumberEdit;
class LanguageTextList;
class PositionBox;
class PropertyPane;

// Lays out `pane` and gives the left column, below the position, for the pane's fields.
QVBoxLayout* layOutListPane(PropertyPane& pane, const QString& caption, PositionBox* position,
                            LanguageTextList* texts);
// The rows per page (0..4) of the menu and alarm-list panes: the field on its line after `label`.
struct RowsPerPageLine {
    CNumberEdit* field;
    QHBoxLayout* line;
};
RowsPerPageLine rowsPerPageLine(const QString& label, QWidget* pane);
// The left column of the menu and alarm-list panes below the position: the register, the rows
// per page and the pane's group below them, tightened.
void addRegisterColumn(QVBoxLayout* left, QGroupBox* reg, QHBoxLayout* rows, QGroupBox* below);
// Narrow margins and spacing inside a group box of the left column.
void tighten(QGroupBox* box);

} // namespace zorv
