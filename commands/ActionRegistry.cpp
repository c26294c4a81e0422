#include "commands/ActionRegistry.h"

#include <QAction>
#include <QKeySequence>
#include <QString>

#include "commands/CommandTable.h"

namespace zorv {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

ActionRegistry::ActionRegistry(QObject* parent) : QObject(parent) {
    for (int i = 0; i < kCommandCount; ++i) {
        const CommandInfo& info = commandInfo(CommandId(i));
        auto* a = new QAction(this);
        // The menu shows the shortcut itself, so the text keeps only what comes before "\t".
        a->setText(text(info.menuText).section('\t', 0, 0));
        QList<QKeySequence> keys;
        for (const QString& key : text(info.shortcuts).split(';', Qt::SkipEmptyParts))
            keys << QKeySequence(key);
        a->setShortcuts(keys);
        a->setStatusTip(text(info.prompt));
        a->setToolTip(text(info.tip));
        a->setCheckable(info.checkable);
        a->setEnabled(false);
        a->setObjectName(QStringLiteral("command%1").arg(i));
        actions_[std::size_t(i)] = a;
    }
}

void ActionRegistry::handle(CommandId id, QObject* context, std::function<void()> handler) {
    QAction* a = action(id);
    connect(a, &QAction::triggered, context, [handler = std::move(handler)] { handler(); });
    a->setEnabled(true);
}

void ActionRegistry::checkOnly(std::initializer_list<CommandId> group, CommandId checked) {
    for (CommandId id : group)
        action(id)->setChecked(id == checked);
}

} // namespace zorv
