#pragma once
// The property panes by type name: the editing view makes one pane per name of the table, and
// one basic pane for each widget kind that has no pane of its own yet.

#include <memory>
#include <span>
#include <string_view>

#include "panes/PropertyPane.h"

namespace zorv {

struct PaneEntry {
    std::string_view typeName;                       // compared whole and case-sensitively
    std::unique_ptr<PropertyPane> (*make)(QWidget*); // a new pane with the given parent
};

// The registered panes, "Page" first.
std::span<const PaneEntry> paneTable();
// The pane registered for the type name; for a widget kind without one the basic pane
// (kind and position); nullptr for any other name.
std::unique_ptr<PropertyPane> makePane(std::string_view typeName, QWidget* parent);

} // namespace zorv
