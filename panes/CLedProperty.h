#pragma once
// The indicator light pane "Indicator Light Attribute": the bit it shows, double size, the
// display type and logic, and the custom pictures of both logics.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "model/records/LedRecord.h"
#include "model/rules/LedRules.h"
#include "panes/RecordPane.h"

namespace zorv {

class CLedProperty : public RecordPane<LedRecord> {
    Q_OBJECT
public:
    explicit CLedProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Led"); }
    void setPosition(int x, int y) override;

    // The record as loaded or last confirmed, with the pictures chosen since.
    const LedRecord& working() const { return working_; }

protected:
    rules::ConfirmResult<LedRecord> confirm() const override;
    void showRecord() override;
    // The confirm writes the light's symbol text, so a light left as shown is confirmed too.
    bool confirmsUntouched() const override { return true; }

private:
    rules::LedForm formOfControls() const;
    void displayTypeChosen();
    void choosePicture(int logic);

    LedRecord working_ = LedRecord::makeDefault();
    bool loading_ = false;
    int shownType_ = LedRecord::Round;
    QCheckBox* doubleSize_;
    RegisterGroup* register_;
    QComboBox* displayType_;
    QComboBox* logic_;
    QPushButton* positivePicture_;
    QPushButton* negativePicture_;
};

} // namespace zorv
