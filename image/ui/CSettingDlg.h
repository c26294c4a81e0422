#pragma once
// "Parameter Setting": the system parameters of the project header. The fields show the header as
// it is; "OK" writes them back (refusing more than four password levels), "CANCEL" leaves the
// header unchanged.

#include <QDialog>

#include "image/SystemParameters.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;

namespace zorv {

class CNumberEdit;

class CSettingDlg : public QDialog {
    Q_OBJECT
public:
    CSettingDlg(ProjectHeader& header, Prompt& prompt, QWidget* parent = nullptr);

    // The fields as they stand.
    SystemParameterFields fields() const;

private:
    // One optional register: its check box and the station, type and address fields.
    struct RegisterRow {
        QCheckBox* box;
        CNumberEdit* station;
        QComboBox* type;
        CNumberEdit* address;
    };

    QWidget* buildPagesGroup();
    QWidget* buildPageControlGroup();
    QWidget* buildRegistersGroup();
    RegisterRow addRegisterRow(QGridLayout* grid, int row, const QString& boxText,
                               const QString& name);
    void showFields(const SystemParameterFields& f);
    void updateEnabling();
    void updatePageControlLabels();
    void confirm();

    ProjectHeader& header_;
    Prompt& prompt_;

    CNumberEdit *startPage_, *defaultPage_, *alarmPage_, *passwordLevels_;
    QCheckBox* screenProtection_;
    CNumberEdit *screenDelay_, *screenSaverPage_;
    QCheckBox* backlightOff_;
    CNumberEdit* backlightDelay_;
    QCheckBox* autoAlarmPage_;
    RegisterRow pageControl_;
    QCheckBox* reportCurrentPage_;
    QLabel *autoTransLabel_, *reportCurrentLabel_;
    RegisterRow language_, passwordLevel_, registerSetControl_;
};

} // namespace zorv
