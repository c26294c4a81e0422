#pragma once
// The password pane "Password control attribute": the mode of operation, the password level
// out of the project's levels, the pages shown after success and failure, and "Inverted".

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>

#include "controls/CNumberEdit.h"

#include "model/records/PasswordRecord.h"
#include "model/rules/PasswordRules.h"
#include "panes/RecordPane.h"

namespace zorv {

class CPwdProperty : public RecordPane<PasswordRecord> {
    Q_OBJECT
public:
    explicit CPwdProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Password"); }
    // The level list follows the project's number of password levels.
    void setContext(const PaneContext& context) override;

    rules::PasswordForm form() const;
    QComboBox* level() const { return level_; }

protected:
    rules::ConfirmResult<PasswordRecord> confirm() const override;
    void showRecord() override;

private:
    void fillLevels(int shownLevel);

    QCheckBox* inverted_;
    QButtonGroup* mode_;
    QComboBox* level_;
    CNumberEdit* successPage_;
    CNumberEdit* failurePage_;
};

} // namespace zorv
