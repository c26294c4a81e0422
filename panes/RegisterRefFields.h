#pragma once
// The three boxes of one register in a pane: the station number with a spin box, the register
// letter out of those offered, and the address, which takes octal digits only while X or Y is
// chosen. The address box also takes a tag of the project or a register written out ("Batch
// count", "D100", "2:D100"), with the tag names offered as completions; a label beside the boxes
// names the tag of the register shown. The widgets that hold them (a row, a group) lay them out.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "model/RegisterRef.h"
#include "model/RegisterType.h"
#include "model/rules/RegisterEntry.h"

class QLabel;
class QStringListModel;

namespace zorv {

class AddressOrNameValidator;
class FieldHint;
class RegisterRefFields;
class TagTable;

// The address box of a register field; panes find their register fields through it.
class RegisterAddressEdit : public QLineEdit {
    Q_OBJECT
public:
    RegisterAddressEdit(RegisterRefFields& fields, QWidget* parent)
        : QLineEdit(parent), fields_(fields) {}
    RegisterRefFields& fields() const { return fields_; }

private:
    RegisterRefFields& fields_;
};

class RegisterRefFields {
public:
    // What a screen reader calls the three boxes.
    struct Names {
        QString station;
        QString type;
        QString address;
    };
    RegisterRefFields(std::initializer_list<RegisterType> offered, const Names& names,
                      QWidget* parent);

    // The letters of the type list, in list order; a shown type the list no longer offers
    // becomes the first offered one.
    void setTypes(std::initializer_list<RegisterType> types);
    void showForm(const rules::AddressForm& form);
    // The boxes as typed; a tag name or register in the address box that the field takes
    // gives that register.
    rules::AddressForm form() const;

    // Why the address box cannot be taken: a name that is no tag of the project and no register,
    // or a register of a letter the field does not offer. Empty when it can.
    QString refusal() const;
    // A tag name or register in the address box that the field takes is shown in the boxes as
    // its station, letter and address.
    void settleName();

    QSpinBox* station() const { return station_; }
    QComboBox* type() const { return type_; }
    RegisterAddressEdit* address() const { return address_; }
    // The name of the tag of the register shown; hidden while it has none.
    QLabel* tagLabel() const { return tag_; }

private:
    void fillTypes();
    void typeChosen();
    // The tags of the pane the boxes sit in; nullptr outside a pane or before its context.
    const TagTable* tags() const;
    // Whether the address box holds more than address digits.
    bool holdsName() const;
    // The register a name in the address box stands for, whether the field takes it or not.
    std::optional<RegisterRef> namedRegister() const;
    bool offers(uint8_t type) const;
    // The register the boxes show, when they show one.
    std::optional<RegisterRef> shownRegister() const;
    void showTag();
    void offerCompletions(const QString& typed);

    std::vector<RegisterType> types_;
    QSpinBox* station_;
    QComboBox* type_;
    RegisterAddressEdit* address_;
    QLabel* tag_;
    QStringListModel* completions_;
    AddressOrNameValidator* validator_;
};

// Before a pane's controls are read: every register field of `pane` shown in it settles the name
// in its address box. False, with `hint` at the first field that cannot take what it holds (the
// typing kept), when one cannot.
bool settleRegisterNames(QWidget& pane, FieldHint& hint);
// Whether a register field shown in `pane` holds a name it cannot take.
bool holdsRefusedName(const QWidget& pane);

} // namespace zorv
