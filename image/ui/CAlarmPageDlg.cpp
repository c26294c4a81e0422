#include "image/ui/CAlarmPageDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/CEditListCtrl.h"
#include "controls/CNumberEdit.h"
#include "image/ui/TextListFiles.h"
#include "image/ui/TextRowsList.h"

namespace zorv {

namespace {

constexpr const char* kFileFilter = "Text Files(*.txt)|*.txt|";
// Highest D or M address.
constexpr uint32_t kMaxAddress = 8499;

} // namespace

CAlarmPageDlg::CAlarmPageDlg(AlarmListRecord& record, Prompt& prompt, FileChooser& files,
                             QWidget* parent)
    : QDialog(parent), record_(record), prompt_(prompt), files_(files) {
    setWindowTitle("Alarm list");
    model_.open(record_);

    auto* coil = new QGroupBox("Alarm list starting coil");
    auto* grid = new QGridLayout(coil);
    station_ = new CNumberEdit;
    station_->setObjectName("station");
    station_->setAccessibleName("Station No.");
    station_->setRange(0, 255);
    station_->setMaxLength(3);
    type_ = new QComboBox;
    type_->setObjectName("type");
    type_->setAccessibleName("Type");
    type_->addItem("D", int(RegisterType::D));
    type_->addItem("M", int(RegisterType::M));
    address_ = new CNumberEdit;
    address_->setObjectName("address");
    address_->setAccessibleName("ADDR");
    address_->setRange(0, kMaxAddress);
    address_->setMaxLength(4);
    const std::pair<const char*, QWidget*> fields[] = {
        {"Station No.:", station_}, {"Type:", type_}, {"ADDR:", address_}};
    int column = 0;
    for (auto [text, field] : fields) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, 0, column++);
        grid->addWidget(field, 0, column++);
    }
    grid->setColumnStretch(column, 1);

    list_ = new CEditListCtrl;
    list_->setObjectName("alarms");
    list_->setAccessibleName("Alarm texts");
    list_->setColumns({"Coil", "Language1", "Language2"}, {60, 150, 150});
    list_->setEditableColumns(0b110);
    list_->setMinimumSize(60 + 150 + 150 + 24, 260);

    auto* add = listButton("Add", "add");
    auto* remove = listButton("Delete", "delete");
    auto* import = listButton("Import", "import");
    auto* exportButton = listButton("Export", "export");
    auto* ok = listButton("OK", "ok");
    auto* cancel = listButton("Cancel", "cancel");
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {add, remove, import, exportButton})
        side->addWidget(b);
    side->addStretch(1);
    side->addWidget(ok);
    side->addWidget(cancel);

    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(coil);
    layout->addLayout(body, 1);

    station_->setText(QString::fromStdString(model_.station()));
    type_->setCurrentIndex(model_.typeCode() == uint8_t(RegisterType::M) ? 1 : 0);
    address_->setText(QString::fromStdString(model_.address()));
    showRows();

    connect(station_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.setStation(text.toStdString()); });
    connect(address_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_.setAddress(text.toStdString());
        showCoils();
    });
    connect(type_, &QComboBox::currentIndexChanged, this, [this] {
        model_.setTypeCode(uint8_t(type_->currentData().toInt()));
        showCoils();
    });
    connect(list_, &QTableWidget::cellChanged, this, &CAlarmPageDlg::cellChanged);
    connect(list_, &CEditListCtrl::rowInserted, this, [this](int row) {
        model_.insertRow(row);
        showRows();
    });
    connect(list_, &CEditListCtrl::rowDeleted, this, [this](int row, int) {
        model_.deleteRow(row);
        showRows();
    });
    connect(add, &QPushButton::clicked, this, &CAlarmPageDlg::addRow);
    connect(remove, &QPushButton::clicked, this, &CAlarmPageDlg::deleteRow);
    connect(import, &QPushButton::clicked, this, &CAlarmPageDlg::importFile);
    connect(exportButton, &QPushButton::clicked, this, &CAlarmPageDlg::exportFile);
    connect(ok, &QPushButton::clicked, this, &CAlarmPageDlg::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CAlarmPageDlg::showRows() {
    showTextRows(*list_, model_.rows());
}

void CAlarmPageDlg::showCoils() {
    for (int r = 0; r < model_.rowCount() && r < list_->rowCount(); ++r)
        showTextCell(*list_, r, 0, model_.rows()[r][0]);
}

void CAlarmPageDlg::cellChanged(int row, int column) {
    // While the list and the rows differ in length, a row change is under way: its own signal
    // brings the rows in step.
    if (list_->rowCount() != model_.rowCount() || column < 1 || column > 2)
        return;
    const auto bytes = takeCellText(list_->cellText(row, column), prompt_);
    if (bytes)
        model_.setText(row, column - 1, *bytes);
    showTextCell(*list_, row, column, model_.rows()[row][column]);
}

void CAlarmPageDlg::addRow() {
    // A cell still open is stored in its own row before the rows move.
    list_->endEdit(true);
    const int selected = list_->selectedRow();
    const int row = model_.addRow(selected >= 0 ? std::optional<int>(selected) : std::nullopt);
    showRows();
    // The new row opens for typing its language 1 text, so that the keys reach the row rather
    // than the button.
    list_->openEditor(row, 1);
}

void CAlarmPageDlg::deleteRow() {
    list_->endEdit(true);
    const int selected = list_->selectedRow();
    if (selected < 0)
        return;
    const std::optional<int> next = model_.deleteRow(selected);
    showRows();
    if (next)
        list_->selectRow(*next);
    else
        list_->clearSelection();
}

void CAlarmPageDlg::importFile() {
    importRows(model_, this, files_, prompt_, kFileFilter, [this] { showRows(); });
}

void CAlarmPageDlg::exportFile() {
    exportRows(model_, this, files_, prompt_, kFileFilter);
}

void CAlarmPageDlg::confirm() {
    if (model_.confirm(record_, prompt_))
        accept();
}

} // namespace zorv
