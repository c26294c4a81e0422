#pragma once
// What New Page and Copy Page share: a page number of 0..65535 and the mode "Insert" or
// "Cover", above OK and Cancel; each dialog adds its own rows to form(). A number outside the
// range is never changed behind the user's back: OK names the range and the dialog stays open.

#include <QDialog>

#include "editor/PageDialogs.h"

class QFormLayout;
class QRadioButton;
class QLineEdit;

namespace zorv {

class Prompt;

class CPageNumberDlg : public QDialog {
    Q_OBJECT
public:
    CPageNumberDlg(const QString& title, int proposed, PlaceMode mode, Prompt& prompt,
                   QWidget* parent);

    int number() const;
    PlaceMode mode() const;
    QLineEdit* numberBox() const { return number_; }

    void accept() override;
    QRadioButton* insertButton() const { return insert_; }
    QRadioButton* coverButton() const { return cover_; }

protected:
    QFormLayout* form() const { return form_; }

private:
    Prompt& prompt_;
    QFormLayout* form_;
    QLineEdit* number_;
    QRadioButton* insert_;
    QRadioButton* cover_;
};

} // namespace zorv
