#pragma once
// The alarm-list pane "Alarm List Attribute": the register of the first alarm bit, the rows per
// page, the buzzer and the list of entries ("Coil", "AlarmContent") under the language tabs.
// Entry 0 is the text shown while no alarm is active; alarm k shows its bit, the register
// letter and start + k - 1. "Single Win Edit" edits the entries in both languages side by side.

#include <QCheckBox>

#include "controls/CNumberEdit.h"
#include "model/records/AlarmListRecord.h"
#include "model/rules/AlarmListRules.h"
#include "model/rules/ChoiceTableRules.h"
#include "panes/RecordPane.h"

namespace zorv {

class LanguageTextList;

// The entries of the record as list rows: the coil of each alarm ("%s%d"), none for entry 0.
std::vector<rules::ChoiceRow> alarmRowsOf(const AlarmListRecord& r);
// The texts of the rows into the entries 0..n-1 and n as the entry count (at most the table's
// 200); the texts of the entries after them stay as they were.
void storeAlarmRows(const std::vector<rules::ChoiceRow>& rows, AlarmListRecord& r);

class CAlarmProperty : public RecordPane<AlarmListRecord> {
    Q_OBJECT
public:
    explicit CAlarmProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Alarm"); }

    rules::AlarmListForm form() const;
    LanguageTextList* textList() const { return texts_; }

protected:
    rules::ConfirmResult<AlarmListRecord> confirm() const override;
    void showRecord() override;

private:
    // The record with the list's entries, before the pane's fields are confirmed.
    AlarmListRecord withRows() const;
    // The coil column from the register fields as they stand.
    void showCoils();
    void singleWinEdit();

    RegisterGroup* register_;
    CNumberEdit* rowsPerPage_;
    QCheckBox* tweet_;
    CNumberEdit* duration_;
    LanguageTextList* texts_;
};

} // namespace zorv
