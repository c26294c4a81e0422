#include "panes/ImagePaneControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>

#include "platform/Prompt.h"

namespace zorv {

QLineEdit* readOnlyNumberField(QWidget* parent, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAccessibleName(accessibleName);
    field->setMinimumWidth(44);
    field->setMaximumWidth(56);
    return field;
}

QLabel* addLabelled(QGridLayout* grid, int row, int column, const QString& text, QWidget* field) {
    auto* label = new QLabel(text, grid->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    return label;
}

PositionBox::PositionBox(QWidget* parent) : QGroupBox(tr("Coordinate"), parent) {
    auto* grid = new QGridLayout(this);
    x_ = readOnlyNumberField(this, tr("X"));
    y_ = readOnlyNumberField(this, tr("Y"));
    addLabelled(grid, 0, 0, tr("X:"), x_);
    addLabelled(grid, 0, 2, tr("Y:"), y_);
}

void PositionBox::showPosition(int x, int y) {
    x_->setText(QString::number(x));
    y_->setText(QString::number(y));
}

RegisterGroup::RegisterGroup(std::initializer_list<RegisterType> offered, const QString& title,
                             const QString& addressLabel, Arrangement arrangement, QWidget* parent)
    : QGroupBox(title, parent),
      RegisterRefFields(offered, {tr("Station No."), tr("Register type"), tr("Address")}, this) {
    auto* grid = new QGridLayout(this);
    const bool row = arrangement == Arrangement::Row;
    addLabelled(grid, 0, 0, tr("Station No.:"), station());
    addLabelled(grid, row ? 0 : 1, row ? 2 : 0, tr("Type:"), type());
    addLabelled(grid, row ? 0 : 2, row ? 4 : 0, addressLabel, address());
    if (row)
        grid->addWidget(tagLabel(), 0, 6);
    else
        grid->addWidget(tagLabel(), 3, 1);
}

void showMessages(const PaneContext& context, const std::vector<std::string>& messages) {
    if (!context.prompt)
        return;
    for (const std::string& message : messages)
        context.prompt->message(message);
}

void addEnterShortcuts(QWidget* pane, const std::function<void()>& confirm) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), pane);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, pane, confirm);
    }
}

} // namespace zorv
