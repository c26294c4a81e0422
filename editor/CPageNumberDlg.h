#pragma once
// What New Page and Copy Page share: a page number of 0..65535 and the mode "Insert" or
// "Cover", above OK and Cancel; each dialog adds its own rows to form().

#include <QDialog>

#include "editor/PageDialogs.h"

class QFormLayout;
class QRadioButton;
class QSpinBox;

namespace zorv {

class CPageNumberDlg : public QDialog {
    Q_OBJECT
public:
    CPageNumberDlg(const QString& title, int proposed, PlaceMode mode, QWidget* parent);

    int number() const;
    PlaceMode mode() const;
    QSpinBox* numberBox() const { return number_; }
    QRadioButton* insertButton() const { return insert_; }
    QRadioButton* coverButton() const { return cover_; }

protected:
    QFormLayout* form() const { return form_; }

private:
    QFormLayout* form_;
    QSpinBox* number_;
    QRadioButton* insert_;
    QRadioButton* cover_;
};

} // namespace zorv
