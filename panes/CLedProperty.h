#pragma once
// The indicator light pane "Indicator Light Attribute": the bit it shows, double size, the
// display type and logic, and the custom pictures of both logics.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "model/records/LedRecord.h"
#include "model/rules/LedRules.h"
#include "panes/ImagePaneControls.h"

namespace zorv {

class CLedProperty : public PropertyPane {
    Q_OBJECT
public:
    explicit CLedProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Led"); }
    void loadRecord(std::span<const uint8_t> record, int32_t widgetId) override;
    bool apply() override;
    // The record as confirming the controls gives it, without the messages.
    std::vector<uint8_t> workingRecord() const override;
    void setPosition(int x, int y) override;

    // The record as loaded or last confirmed, with the pictures chosen since.
    const LedRecord& working() const { return working_; }

private:
    rules::LedForm formOfControls() const;
    void showForm(const rules::LedForm& form);
    void displayTypeChosen();
    void choosePicture(int logic);
    void emitImage();

    LedRecord working_ = LedRecord::makeDefault();
    LedRecord applied_ = working_; // as loaded or last applied: the stored record
    bool loading_ = false;
    int shownType_ = LedRecord::Round;
    PositionBox* position_;
    QCheckBox* doubleSize_;
    RegisterGroup* register_;
    QComboBox* displayType_;
    QComboBox* logic_;
    QPushButton* positivePicture_;
    QPushButton* negativePicture_;
};

} // namespace zorv
