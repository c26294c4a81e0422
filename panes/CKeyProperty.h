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
#include "panes/RecordPane.h"

namespace zorv {

class CKeyProperty : public RecordPane<KeyRecord> {
    Q_OBJECT
public:
    explicit CKeyProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Key"); }

    // The action whose sub-pane is shown.
    int action() const { return actions_->checkedId(); }
    CKeySubPane* subPane(int action) const { return subPanes_[std::size_t(action)]; }

protected:
    rules::ConfirmResult<KeyRecord> confirm() const override;
    void showRecord() override;
    // The confirm writes the key's symbol text, so a key left as shown is confirmed too.
    bool confirmsUntouched() const override { return true; }

private:
    rules::KeyForm formOfControls() const;
    void chooseAction(int action);

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
