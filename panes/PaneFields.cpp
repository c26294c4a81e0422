#include "panes/PaneFields.h"

#include <QAbstractButton>
#include <QAbstractItemView>

namespace zorv {

QLabel* buddyLabel(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QLineEdit* readOnlyField(const QString& accessibleName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setAccessibleName(accessibleName);
    field->setMaximumWidth(56);
    return field;
}

CNumberEdit* numberField(const QString& accessibleName, int32_t minimum, uint32_t maximum,
                         QWidget* parent) {
    auto* field = new CNumberEdit(parent);
    field->setRange(minimum, maximum);
    field->setAccessibleName(accessibleName);
    field->setMaximumWidth(96);
    return field;
}

QComboBox* registerCountBox(const QString& accessibleName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(QStringLiteral("1"), 1);
    box->addItem(QStringLiteral("2"), 2);
    box->setAccessibleName(accessibleName);
    return box;
}

int registerCountOf(const QComboBox& box) {
    return box.currentData().toInt();
}

void showRegisterCount(QComboBox& box, int count) {
    // A stored count other than 1 or 2 shows as 1; applying cuts it the same way.
    box.setCurrentIndex(count >= 2 ? 1 : 0);
}

SpinField::SpinField(QWidget* parent) : QSpinBox(parent) {
    connect(this, &QAbstractSpinBox::editingFinished, this, &SpinField::accepted);
}

void SpinField::stepBy(int steps) {
    const int before = value();
    QSpinBox::stepBy(steps);
    if (value() != before)
        emit accepted();
}

QStringList controlValues(const QWidget& pane) {
    QStringList values;
    for (const QLineEdit* edit : pane.findChildren<QLineEdit*>())
        if (!edit->isReadOnly()) // the position and other shown facts are not edits
            values << edit->text();
    for (const QAbstractButton* button : pane.findChildren<QAbstractButton*>())
        values << (button->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (const QComboBox* box : pane.findChildren<QComboBox*>())
        values << QString::number(box->currentIndex());
    for (const QAbstractSpinBox* box : pane.findChildren<QAbstractSpinBox*>())
        values << box->text();
    return values;
}

void watchControls(QWidget& pane, const std::function<void()>& edited) {
    for (QLineEdit* edit : pane.findChildren<QLineEdit*>())
        if (!edit->isReadOnly())
            QObject::connect(edit, &QLineEdit::textChanged, &pane, edited);
    for (QAbstractButton* button : pane.findChildren<QAbstractButton*>())
        QObject::connect(button, &QAbstractButton::toggled, &pane, edited);
    for (QComboBox* box : pane.findChildren<QComboBox*>())
        QObject::connect(box, &QComboBox::currentIndexChanged, &pane, edited);
}

namespace {

// A text field of its own: not the text part of a spin box or list, nor a list's cell editor.
bool isOwnField(const QLineEdit& edit) {
    for (const QWidget* up = edit.parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractItemView*>(up))
            return false;
    }
    return !edit.isReadOnly();
}

} // namespace

QList<QLineEdit*> ownTextFields(QWidget& pane) {
    QList<QLineEdit*> fields;
    for (QLineEdit* edit : pane.findChildren<QLineEdit*>())
        if (isOwnField(*edit))
            fields << edit;
    return fields;
}

void watchAccepted(QWidget& pane, const QObject& context, const std::function<void()>& accepted) {
    for (QLineEdit* edit : ownTextFields(pane))
        QObject::connect(edit, &QLineEdit::editingFinished, &context, accepted);
    for (QComboBox* box : pane.findChildren<QComboBox*>())
        QObject::connect(box, &QComboBox::activated, &context, accepted);
    for (SpinField* box : pane.findChildren<SpinField*>())
        QObject::connect(box, &SpinField::accepted, &context, accepted);
}

} // namespace zorv
