#pragma once
// One QAction per command, made once from the command table; the menu bar, the toolbar, the
// page tree's pop-up menu and the tests all read the same actions. A command starts disabled
// and becomes enabled when a window takes it on with handle().

#include <QObject>
#include <array>
#include <functional>

#include "commands/CommandId.h"

class QAction;

namespace zorv {

class ActionRegistry : public QObject {
    Q_OBJECT
public:
    explicit ActionRegistry(QObject* parent = nullptr);

    QAction* action(CommandId id) const { return actions_[std::size_t(id)]; }
    // Runs `handler` on the command and enables it.
    void handle(CommandId id, QObject* context, std::function<void()> handler);
    // Marks exactly one command of a group of checkable commands (tools, languages).
    void checkOnly(std::initializer_list<CommandId> group, CommandId checked);

private:
    std::array<QAction*, kCommandCount> actions_{};
};

} // namespace zorv
