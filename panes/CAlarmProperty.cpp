#include "panes/CAlarmProperty.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "image/AlarmLanguageTable.h"
#include "panes/LanguageTextList.h"
#include "panes/ListPaneFrame.h"
#include "panes/PaneFields.h"

namespace zorv {

std::vector<rules::ChoiceRow> alarmRowsOf(const AlarmListRecord& r) {
    std::vector<rules::ChoiceRow> rows;
    const int count = std::min<int>(r.entryCount(), AlarmListRecord::kCapacity);
    for (int k = 0; k < count; ++k) {
        rules::ChoiceRow row;
        if (k > 0)
            row.value = std::string(registerLetter(r.registerType())) +
                        std::to_string(int(r.start()) + k - 1);
        row.text[0] = r.text(k, 0).str();
        row.text[1] = r.text(k, 1).str();
        rows.push_back(std::move(row));
    }
    return rows;
}

void storeAlarmRows(const std::vector<rules::ChoiceRow>& rows, AlarmListRecord& r) {
    const int count = std::min<int>(int(rows.size()), AlarmListRecord::kCapacity);
    for (int k = 0; k < count; ++k) {
        r.setText(k, 0, TextSlot::fromBytes(rows[std::size_t(k)].text[0]));
        r.setText(k, 1, TextSlot::fromBytes(rows[std::size_t(k)].text[1]));
    }
    r.setEntryCount(uint16_t(count));
}

CAlarmProperty::CAlarmProperty(QWidget* parent) : RecordPane(parent) {
    auto* position = new PositionBox(this);
    setPositionBox(position);
    register_ =
        new RegisterGroup({RegisterType::M, RegisterType::D}, tr("Register"),
                          tr("Register Start Address:"), RegisterGroup::Arrangement::Column, this);

    const RowsPerPageLine rows = rowsPerPageLine(tr("The No. of Rows Per Page:"), this);
    rowsPerPage_ = rows.field;

    auto* buzzer = new QGroupBox(tr("Buzzer"), this);
    buzzer->setAccessibleName(tr("Buzzer"));
    tweet_ = new QCheckBox(tr("Tweet"), buzzer);
    tweet_->setObjectName("tweet");
    duration_ = numberField(tr("Duration"), 0, 65535, buzzer);
    duration_->setMaxLength(5);
    duration_->setMaximumWidth(60);
    auto* buzzerGrid = new QGridLayout(buzzer);
    buzzerGrid->addWidget(tweet_, 0, 0);
    addLabelled(buzzerGrid, 0, 1, tr("Duration(s):"), duration_);
    buzzerGrid->addWidget(new QLabel(tr("(0 Bells Ringing)"), buzzer), 1, 1, 1, 2);

    texts_ = new LanguageTextList(tr("Coil"), tr("AlarmContent"), *this, this);
    texts_->setValuesEditable(false);

    QVBoxLayout* left = layOutListPane(*this, tr("Alarm List Attribute"), position, texts_);
    addRegisterColumn(left, register_, rows.line, buzzer);

    connect(texts_, &LanguageTextList::rowsEdited, this, [this] {
        markEdited();
        showCoils();
    });
    connect(texts_, &LanguageTextList::singleWinEditClicked, this, &CAlarmProperty::singleWinEdit);
    connect(register_->type(), &QComboBox::currentIndexChanged, this, &CAlarmProperty::showCoils);
    connect(register_->address(), &QLineEdit::editingFinished, this, &CAlarmProperty::showCoils);
    showRecord();
}

rules::AlarmListForm CAlarmProperty::form() const {
    rules::AlarmListForm f;
    f.reg = register_->form();
    f.rowsPerPage = rowsPerPage_->text().toStdString();
    f.tweet = tweet_->isChecked();
    f.duration = duration_->text().toStdString();
    return f;
}

AlarmListRecord CAlarmProperty::withRows() const {
    AlarmListRecord r = record();
    storeAlarmRows(texts_->rows(), r);
    return r;
}

rules::ConfirmResult<AlarmListRecord> CAlarmProperty::confirm() const {
    return rules::confirmAlarmList(withRows(), form());
}

void CAlarmProperty::showRecord() {
    const rules::AlarmListForm f = rules::alarmListFormOf(record());
    register_->showForm(f.reg);
    rowsPerPage_->setText(QString::fromStdString(f.rowsPerPage));
    tweet_->setChecked(f.tweet);
    duration_->setText(QString::fromStdString(f.duration));
    texts_->showRows(alarmRowsOf(record()));
}

void CAlarmProperty::showCoils() {
    std::vector<std::string> coils;
    for (const rules::ChoiceRow& row : alarmRowsOf(confirm().record))
        coils.push_back(row.value);
    texts_->showValues(coils);
}

void CAlarmProperty::singleWinEdit() {
    AlarmListRecord r = withRows();
    LanguageTable table = languageTableOf(r);
    if (!texts_->runDialog(table, kAlarmTable))
        return;
    storeLanguageTable(table, r);
    texts_->refill(alarmRowsOf(r));
}

} // namespace zorv
