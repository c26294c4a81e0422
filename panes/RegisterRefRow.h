#pragma once
// One register of a pane in a row: the station number with a spin box, the register letter out
// of those the field offers, and the address (octal digits only while X or Y is chosen).

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QValidator>
#include <QWidget>
#include <initializer_list>
#include <vector>

#include "model/rules/RegisterEntry.h"

namespace zorv {

class RegisterRefRow : public QWidget {
    Q_OBJECT
public:
    // The labels in front of the three boxes; an empty label is left out.
    struct Labels {
        QString station;
        QString type;
        QString address;
    };
    RegisterRefRow(std::initializer_list<RegisterType> offered, const Labels& labels,
                   QWidget* parent = nullptr);

    void showForm(const rules::AddressForm& form);
    rules::AddressForm form() const;

    QSpinBox* station() const { return station_; }
    QComboBox* type() const { return type_; }
    QLineEdit* address() const { return address_; }

private:
    void typeChosen();

    std::vector<RegisterType> offered_;
    QSpinBox* station_;
    QComboBox* type_;
    QLineEdit* address_;
    QValidator* decimal_;
    QValidator* octal_;
};

} // namespace zorv
