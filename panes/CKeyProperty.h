#pragma once
// The function key pane "Function key attribute": the panel key, its look, the register it acts
// on and the action, whose fields are in one of four sub-panes chosen by the action buttons.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QStackedWidget>
#include <array>

#include "model/records/KeyRecord.h"
#include "model/rules/KeyRules.h"
#include "panes/CKeySubPane.h"
#include "panes/ImagePaneControls.h"

namespace zorv {

class CKeyProperty : public PropertyPane {
    Q_OBJECT
public:
    explicit CKeyProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Key"); }
    void loadRecord(std::span<const uint8_t> record, int32_t widgetId) override;
    bool apply() override;
    // The record as confirming the controls gives it, without the messages.
    std::vector<uint8_t> workingRecord() const override;
    void setPosition(int x, int y) override;

    // The action whose sub-pane is shown.
    int action() const { return actions_->checkedId(); }
    CKeySubPane* subPane(int action) const { return subPanes_[std::size_t(action)]; }

private:
    rules::KeyForm formOfControls() const;
    void showForm(const rules::KeyForm& form);
    void chooseAction(int action);
    void emitImage();

    KeyRecord working_ = KeyRecord::makeDefault();
    KeyRecord applied_ = working_; // as loaded or last applied: the stored record
    bool loading_ = false;
    PositionBox* position_;
    QComboBox* key_;
    QCheckBox* doubleSize_;
    QCheckBox* inverted_;
    QCheckBox* hand_;
    QCheckBox* invisible_;
    QCheckBox* encrypted_;
    RegisterGroup* register_;
    QButtonGroup* actions_;
    QStackedWidget* stack_;
    std::array<CKeySubPane*, 4> subPanes_{};
};

} // namespace zorv
