#pragma once
// The three boxes of one register in a pane: the station number with a spin box, the register
// letter out of those offered, and the address, which takes octal digits only while X or Y is
// chosen. The widgets that hold them (a row, a group) lay them out.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <initializer_list>
#include <vector>

#include "model/RegisterType.h"
#include "model/rules/RegisterEntry.h"

class QRegularExpressionValidator;

namespace zorv {

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
    rules::AddressForm form() const;

    QSpinBox* station() const { return station_; }
    QComboBox* type() const { return type_; }
    QLineEdit* address() const { return address_; }

private:
    void fillTypes();
    void typeChosen();

    std::vector<RegisterType> types_;
    QSpinBox* station_;
    QComboBox* type_;
    QLineEdit* address_;
    QRegularExpressionValidator* validator_;
};

} // namespace zorv
