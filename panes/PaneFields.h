#pragma once
// Small building blocks shared by the widget panes: labels tied to their fields, read-only and
// number fields, and the "1"/"2" register count list.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <functional>

#include "controls/CNumberEdit.h"

namespace zorv {

// A label that names `field` to screen readers and gives it the focus on its mnemonic.
QLabel* buddyLabel(const QString& text, QWidget* field, QWidget* parent);
// A read-only field of a number (the widget's position, sizes fixed by a picture).
QLineEdit* readOnlyField(const QString& accessibleName, QWidget* parent);
// A number box that takes only what the range allows; apply() cuts what was typed.
CNumberEdit* numberField(const QString& accessibleName, int32_t minimum, uint32_t maximum,
                         QWidget* parent);
// The list of the number of registers, "1" (16-bit value) or "2" (32-bit value).
QComboBox* registerCountBox(const QString& accessibleName, QWidget* parent);
int registerCountOf(const QComboBox& box);
void showRegisterCount(QComboBox& box, int count);

// A spin box whose value counts as given when the user steps it (arrow keys, the wheel, its
// buttons) or ends typing in it (Enter, Tab, the focus leaving): accepted() then, not on every
// digit typed.
class SpinField : public QSpinBox {
    Q_OBJECT
public:
    explicit SpinField(QWidget* parent = nullptr);

signals:
    void accepted();

protected:
    void stepBy(int steps) override;
};

// The values of every editable field, button, list and spin box inside `pane`, in a fixed order:
// two equal lists mean that nothing was edited in between.
QStringList controlValues(const QWidget& pane);
// Calls `edited` whenever one of the controls controlValues() reads changes its value.
void watchControls(QWidget& pane, const std::function<void()>& edited);
// The text fields of `pane` that the user types values into: not read-only, not the text part of
// a spin box or list, not a list's cell editor.
QList<QLineEdit*> ownTextFields(QWidget& pane);
// Calls `accepted` whenever the user gives a field of `pane` its value: Enter, Tab or the focus
// leaving a text field, a choice made in a list, a spin step. The cell editors of lists are left
// to their list, which tells its own pane. Check boxes and options wait for the next of these
// (or Enter): a rule that reads several of them together sees them all set. The calls end with
// `context`, which the pane destroys before its fields (their focus leaving as they go is no
// value given).
void watchAccepted(QWidget& pane, const QObject& context, const std::function<void()>& accepted);

} // namespace zorv
