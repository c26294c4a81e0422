#pragma once
// The layout toolbar: align, distribute and same size of the selected widgets, with pictures
// drawn for the purpose (a line and the boxes that line up on it).

#include <QIcon>
#include <QToolBar>

#include "commands/CommandId.h"

namespace zorv {

class ActionRegistry;

// The toolbar over the registry's actions, in the order of the command table's layout.
QToolBar* makeLayoutToolBar(ActionRegistry& actions, QWidget* parent);
// The picture of one layout command; an empty icon for any other command.
QIcon layoutIcon(CommandId id);

} // namespace zorv
