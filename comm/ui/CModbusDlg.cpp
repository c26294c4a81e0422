#include "comm/ui/CModbusDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "comm/ui/SerialPortChoice.h"
#include "controls/CEditList.h"

namespace zorv {

namespace {

constexpr const char* kImportFilter = "Protocol configuration file:(*.mdt)|*.mdt|";

enum Column { SerialNumber, OperationType };

QStringList typeTexts() {
    QStringList texts;
    for (int type = 0; type < kModbusTypeCount; ++type)
        texts << modbusTypeText(type);
    return texts;
}

// The columns open at their set widths, widened where a title or a type text needs more room in
// this font, so that none is cut off; the type column keeps room for the drop-down's arrow.
void fitColumns(CEditList& list) {
    const QFontMetrics cells = list.fontMetrics();
    const int margin = 2 * list.style()->pixelMetric(QStyle::PM_HeaderMargin) + 6;
    for (int column = 0; column < list.columnCount(); ++column) {
        int need = list.horizontalHeader()->sectionSizeHint(column);
        if (column == OperationType) {
            const int arrow = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            for (const QString& text : typeTexts())
                need = std::max(need, cells.horizontalAdvance(text) + margin + arrow);
        }
        list.setColumnWidth(column, std::max(list.columnWidth(column), need));
    }
}

} // namespace

CModbusDlg::CModbusDlg(ModbusFiles files, DeviceServices& services, QWidget* parent)
    : QDialog(parent), files_(std::move(files)), services_(services), observer_(services.prompt),
      comm_(services.ports), transfer_(comm_, observer_) {
    // The program goes to the panel on the port last chosen in the download tool.
    comm_.setPort(rememberedSerialPort(services.registry));
    buildLayout();
    connect(&observer_, &QtTransferObserver::statusChanged, status_, &QLabel::setText);
    connect(list_, &CEditList::cellTextStored, this, &CModbusDlg::storeCell);
    connect(list_, &CEditList::rowAppended, this, &CModbusDlg::appendRow);
    connect(list_, &CEditList::rowDeleted, this, &CModbusDlg::deleteRow);
    connect(importButton_, &QPushButton::clicked, this, &CModbusDlg::importTable);
    connect(downloadButton_, &QPushButton::clicked, this, &CModbusDlg::download);
    connect(verifyButton_, &QPushButton::clicked, this, &CModbusDlg::verify);
    connect(okButton_, &QPushButton::clicked, this, &CModbusDlg::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CModbusDlg::reject);
    table_.open(files_.workingCopy);
    showRows();
}

CModbusDlg::~CModbusDlg() {
    // A worker waiting for an answer gets the cancelling one, so joining it cannot hang.
    observer_.abandon();
}

void CModbusDlg::buildLayout() {
    setWindowTitle("Modbus Protocol Configuration");

    list_ = new CEditList(this);
    list_->setAccessibleName("Modbus protocol table");
    list_->setColumns({"Serial number", "Operation Type", "Device address unit",
                       "Instruction address", "SoftAddr"},
                      {40, 75, 90, 65, 65});
    list_->setEditorKinds([](int column) {
        if (column == SerialNumber)
            return int(CEditList::NotEditable);
        return int(column == OperationType ? CEditList::DropDown : CEditList::EditBox);
    });
    list_->setChoices(typeTexts());
    fitColumns(*list_);
    int width = 2 * list_->frameWidth();
    for (int column = 0; column < list_->columnCount(); ++column)
        width += list_->columnWidth(column);
    list_->setMinimumSize(width + list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent), 260);

    status_ = new QLabel("Download progress:", this);
    status_->setObjectName("statusLine");
    status_->setAccessibleDescription("Transfer status");
    status_->setWordWrap(true);
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    status_->hide();

    importButton_ = new QPushButton("Import", this);
    downloadButton_ = new QPushButton("Download", this);
    verifyButton_ = new QPushButton("Verify", this);
    okButton_ = new QPushButton("OK", this);
    cancelButton_ = new QPushButton("CANCEL", this);
    okButton_->setDefault(true);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {importButton_, downloadButton_, verifyButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(buttons);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(top, 1);
    rows->addWidget(status_);
}

void CModbusDlg::showRows() {
    const auto& rows = table_.rows();
    list_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        for (int column = 0; column < int(rows[row].size()); ++column)
            list_->setCellText(row, column, QString::fromStdString(rows[row][column]));
    }
}

void CModbusDlg::storeCell(int row, int column, const QString& text) {
    auto& rows = table_.rows();
    if (row >= 0 && row < int(rows.size()) && column >= 0 && column < int(rows[row].size()))
        rows[row][column] = text.toStdString();
}

void CModbusDlg::appendRow(int row) {
    table_.appendRow();
    // The list numbered the row itself; it takes its operation type from the table.
    if (row == int(table_.rows().size()) - 1)
        list_->setCellText(row, OperationType,
                           QString::fromStdString(table_.rows().back()[OperationType]));
    else
        showRows();
}

void CModbusDlg::deleteRow(int row) {
    table_.deleteRow(row);
}

bool CModbusDlg::save() {
    if (list_->isEditing())
        list_->endEdit(true);
    return table_.save(files_.workingCopy, services_.prompt);
}

void CModbusDlg::importTable() {
    if (busy())
        return;
    const QString chosen =
        services_.chooser.openFile(this, "Import", QString(), qtFileFilter(kImportFilter));
    if (chosen.isEmpty())
        return;
    table_.importFile(chosen.toStdString(), services_.prompt);
    showRows();
}

void CModbusDlg::start(ModbusTransfer::Busy kind) {
    if (busy() || !save())
        return;
    status_->show();
    const auto file = files_.besideProject();
    if (kind == ModbusTransfer::Downloading)
        transfer_.startDownload(file);
    else
        transfer_.startVerify(file);
}

void CModbusDlg::download() {
    start(ModbusTransfer::Downloading);
}

void CModbusDlg::verify() {
    start(ModbusTransfer::Verifying);
}

void CModbusDlg::accept() {
    if (busy() || !save())
        return;
    QDialog::accept();
}

void CModbusDlg::reject() {
    if (busy())
        return;
    QDialog::reject();
}

} // namespace zorv
