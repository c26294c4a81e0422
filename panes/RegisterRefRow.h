#pragma once
// One register of a pane in a row: the station number with a spin box, the register letter out
// of those the field offers, and the address (octal digits only while X or Y is chosen, or a tag
// name), with the tag of the register shown after them.

#include <QWidget>
#include <initializer_list>

#include "panes/RegisterRefFields.h"

namespace zorv {

class RegisterRefRow : public QWidget, public RegisterRefFields {
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
};

} // namespace zorv
