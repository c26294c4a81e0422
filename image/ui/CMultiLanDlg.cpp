#include "image/ui/CMultiLanDlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/CEditListCtrl.h"
#include "image/ui/TextListFiles.h"
#include "image/ui/TextRowsList.h"

namespace zorv {

namespace {

constexpr const char* kFileFilter = "TXT:(*.txt)|*.txt|";

} // namespace

CMultiLanDlg::CMultiLanDlg(LanguageTable& table, LanguageTableKind kind, Prompt& prompt,
                           FileChooser& files, QWidget* parent)
    : QDialog(parent), table_(table), prompt_(prompt), files_(files), model_(kind) {
    setWindowTitle("Multi Language Editing");
    model_.open(table_);

    list_ = new CEditListCtrl;
    list_->setObjectName("texts");
    list_->setAccessibleName("Language texts");
    list_->setColumns({"Parameter values", "Language1", "Language2"}, {120, 120, 120});
    list_->setMinimumSize(3 * 120 + 24, 260);

    auto* import = listButton("Import", "import");
    auto* exportButton = listButton("Export", "export");
    auto* ok = listButton("OK", "ok");
    auto* side = new QVBoxLayout;
    side->addWidget(import);
    side->addWidget(exportButton);
    side->addStretch(1);
    side->addWidget(ok);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);
    showRows();

    connect(list_, &QTableWidget::cellChanged, this, &CMultiLanDlg::cellChanged);
    connect(list_, &CEditListCtrl::rowInserted, this, [this](int row) {
        auto& rows = model_.rows();
        rows.insert(rows.begin() + std::clamp(row, 0, int(rows.size())), TextRow{});
        showRows();
    });
    connect(list_, &CEditListCtrl::rowDeleted, this, [this](int row, int) {
        auto& rows = model_.rows();
        if (row >= 0 && row < int(rows.size()))
            rows.erase(rows.begin() + row);
        showRows();
    });
    connect(import, &QPushButton::clicked, this, &CMultiLanDlg::importFile);
    connect(exportButton, &QPushButton::clicked, this, &CMultiLanDlg::exportFile);
    connect(ok, &QPushButton::clicked, this, &CMultiLanDlg::confirm);
}

void CMultiLanDlg::showRows() {
    showTextRows(*list_, model_.rows());
}

void CMultiLanDlg::cellChanged(int row, int column) {
    auto& rows = model_.rows();
    // While the list and the rows differ in length, a row change is under way: its own signal
    // brings the rows in step.
    if (list_->rowCount() != int(rows.size()) || column < 0 || column > 2)
        return;
    if (auto bytes = takeCellText(list_->cellText(row, column), prompt_))
        rows[row][column] = std::move(*bytes);
    showTextCell(*list_, row, column, rows[row][column]);
}

void CMultiLanDlg::importFile() {
    importRows(model_, this, files_, prompt_, kFileFilter, [this] { showRows(); });
}

void CMultiLanDlg::exportFile() {
    exportRows(model_, this, files_, prompt_, kFileFilter);
}

void CMultiLanDlg::confirm() {
    model_.confirm(table_);
    accept();
}

void CMultiLanDlg::closeEvent(QCloseEvent* event) {
    // Only the close box gets here: "OK" and Escape close the dialog without a close event.
    if (!isVisible()) {
        QDialog::closeEvent(event);
        return;
    }
    if (model_.close(table_, prompt_))
        accept();
    else
        reject();
    event->accept();
}

} // namespace zorv
