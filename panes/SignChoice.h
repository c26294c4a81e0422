#pragma once
// "Unsigned number" or "Signed number": the reading of the register values of a key.

#include <QButtonGroup>
#include <QRadioButton>
#include <QWidget>

namespace zorv {

class SignChoice : public QWidget {
    Q_OBJECT
public:
    explicit SignChoice(QWidget* parent);
    bool isSigned() const { return signed_->isChecked(); }
    void setSigned(bool on) { (on ? signed_ : unsigned_)->setChecked(true); }

private:
    QRadioButton* unsigned_;
    QRadioButton* signed_;
};

} // namespace zorv
