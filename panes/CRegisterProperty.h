#pragma once
// The register pane "Register attribute": the register shown, its number format, and what the
// operator may enter: "Setable" with the set-control bits, the input limits (constants or
// registers), encryption and the related bit.

#include <QCheckBox>
#include <QComboBox>
#include <array>

#include "model/records/RegisterRecord.h"
#include "model/rules/RegisterRules.h"
#include "panes/NumberModeRow.h"
#include "panes/RecordPane.h"
#include "panes/RegisterBoundRow.h"
#include "panes/RegisterRefRow.h"

namespace zorv {

class CRegisterProperty : public RecordPane<RegisterRecord> {
    Q_OBJECT
public:
    explicit CRegisterProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Register"); }
    // The set-control bits are editable only while the project allows register setting
    // control.
    void setContext(const PaneContext& context) override;

    // The form the controls give now.
    rules::RegisterForm form() const;

protected:
    rules::ConfirmResult<RegisterRecord> confirm() const override;
    void showRecord() override;

private:
    void enableSetBits();

    QCheckBox* doubleSize_;
    QCheckBox* inverted_;
    RegisterRefRow* reg_;
    QComboBox* count_;
    NumberModeRow* mode_;
    CNumberEdit* digits_;
    CNumberEdit* decimals_;
    QCheckBox* encryption_;
    QCheckBox* settable_;
    std::array<QCheckBox*, 8> setBits_{}; // index i: the box "i"
    QCheckBox* inputLimit_;
    QComboBox* dataType_;
    RegisterBoundRow* upper_;
    RegisterBoundRow* lower_;
    QCheckBox* relation_;
    QComboBox* relationType_;
    CNumberEdit* relatedAddress_;
};

} // namespace zorv
