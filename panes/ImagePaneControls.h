#pragma once
// Controls shared by the widget panes: the read-only position, a register group whose address
// box follows the chosen type (octal digits for X and Y), and confirming a pane with Enter.

#include <QGroupBox>
#include <QLineEdit>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "panes/PropertyPane.h"
#include "panes/RegisterRefFields.h"

class QGridLayout;
class QLabel;

namespace zorv {

// A narrow read-only box for a number the pane shows but does not edit.
QLineEdit* readOnlyNumberField(QWidget* parent, const QString& accessibleName);

// A label with `field` as its buddy, put in the grid's row and column (the field beside it).
QLabel* addLabelled(QGridLayout* grid, int row, int column, const QString& text, QWidget* field);

// "Coordinate" with the read-only "X:" and "Y:" in display pixels.
class PositionBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PositionBox(QWidget* parent);
    void showPosition(int x, int y);
    QString xText() const { return x_->text(); }
    QString yText() const { return y_->text(); }

private:
    QLineEdit* x_;
    QLineEdit* y_;
};

// "Station No.:", "Type:" and the address of one register in a group, with the register's tag.
class RegisterGroup : public QGroupBox, public RegisterRefFields {
    Q_OBJECT
public:
    // The three fields one below the other, or side by side in one row.
    enum class Arrangement { Column, Row };
    RegisterGroup(std::initializer_list<RegisterType> offered, const QString& title,
                  const QString& addressLabel, Arrangement arrangement, QWidget* parent);
};

// Shows the messages of a confirm, in order, through the context's prompt.
void showMessages(const PaneContext& context, const std::vector<std::string>& messages);

// Enter or Return anywhere in the pane confirms it: `confirm` is called.
void addEnterShortcuts(QWidget* pane, const std::function<void()>& confirm);

} // namespace zorv
