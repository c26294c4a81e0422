#pragma once
// The number mode of a numeric display in a row: "Mode:" with "Decimal " or "HEX/BCD", and
// "Signed No.", which HEX/BCD clears and disables (a HEX/BCD value has no sign).

#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>

namespace zorv {

class NumberModeRow : public QWidget {
    Q_OBJECT
public:
    explicit NumberModeRow(QWidget* parent = nullptr);

    void showMode(bool isSigned, bool hexBcd);
    bool isSigned() const { return signed_->isChecked(); }
    bool hexBcd() const { return hexBcd_->isChecked(); }

    QRadioButton* decimalButton() const { return decimal_; }
    QRadioButton* hexBcdButton() const { return hexBcd_; }
    QCheckBox* signedBox() const { return signed_; }

private:
    void modeChosen();

    QRadioButton* decimal_;
    QRadioButton* hexBcd_;
    QCheckBox* signed_;
};

} // namespace zorv
