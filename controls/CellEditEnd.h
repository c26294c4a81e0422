#pragma once
// How the in-place editors of a list cell end their edit: Enter or Return stores, Esc
// discards, and losing the focus stores unless a popup of the editor took it.

#include <optional>

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace zorv {

// true: the key stores the edit; false: it discards it; nothing: the editor handles the key.
std::optional<bool> cellEditKeyEnd(const QKeyEvent& event);
// Whether losing the focus ends the visible edit of `editor` (and stores it).
bool cellEditFocusEnd(const QFocusEvent& event, const QWidget& editor);

} // namespace zorv
