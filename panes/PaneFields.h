#pragma once
// Small building blocks shared by the widget panes: labels tied to their fields, read-only and
// number fields, and the "1"/"2" register count list.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

// The values of every editable field, button, list and spin box inside `pane`, in a fixed order:
// two equal lists mean that nothing was edited in between.
QStringList controlValues(const QWidget& pane);
// Calls `edited` whenever one of the controls controlValues() reads changes its value.
void watchControls(QWidget& pane, const std::function<void()>& edited);

} // namespace zorv
