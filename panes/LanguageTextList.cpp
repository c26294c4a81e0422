#include "panes/LanguageTextList.h"

#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/CEditListCtrl.h"
#include "image/ui/CMultiLanDlg.h"
#include "image/ui/TextRowsList.h"
#include "panes/FieldHint.h"
#include "panes/PropertyPane.h"

namespace zorv {

namespace {

constexpr int kValueColumn = 0, kTextColumn = 1;

bool runMultiLanDlg(LanguageTable& table, LanguageTableKind kind, Prompt& prompt,
                    FileChooser& files, QWidget* parent) {
    CMultiLanDlg dialog(table, kind, prompt, files, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

LanguageTextList::LanguageTextList(const QString& valueTitle, const QString& textTitle,
                                   PropertyPane& pane, QWidget* parent)
    : QWidget(parent), pane_(pane), runner_(runMultiLanDlg) {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName("languageTabs");
    tabs_->setAccessibleName(tr("Language"));
    tabs_->addTab(tr("Language1"));
    tabs_->addTab(tr("Language2"));
    tabs_->setExpanding(false);

    list_ = new CEditListCtrl(this);
    list_->setObjectName("texts");
    list_->setAccessibleName(textTitle);
    // The values keep the room of their title and five digits; the texts take the rest of the
    // width, so that both columns stay in view however narrow the pane.
    const QFontMetrics metrics = list_->horizontalHeader()->fontMetrics();
    const int valueWidth =
        std::max(metrics.horizontalAdvance(valueTitle), metrics.horizontalAdvance("65535")) + 24;
    list_->setColumns({valueTitle, textTitle}, {valueWidth, 150});
    list_->horizontalHeader()->setSectionResizeMode(kTextColumn, QHeaderView::Stretch);
    list_->setNumberColumns(1u << kValueColumn);

    singleWinEdit_ = new QPushButton(tr("Single Win Edit"), this);
    singleWinEdit_->setObjectName("singleWinEdit");
    singleWinEdit_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(list_, 1);
    layout->addSpacing(6);
    layout->addWidget(singleWinEdit_, 0, Qt::AlignRight);

    connect(tabs_, &QTabBar::currentChanged, this, &LanguageTextList::showAll);
    connect(list_, &QTableWidget::cellChanged, this, &LanguageTextList::cellChanged);
    connect(list_, &CEditListCtrl::rowInserted, this, [this](int row) {
        rows_.insert(rows_.begin() + std::clamp(row, 0, int(rows_.size())), rules::ChoiceRow{});
        forgetRefused();
        showAll();
        emit rowsEdited();
    });
    connect(list_, &CEditListCtrl::rowDeleted, this, [this](int row, int) {
        if (row >= 0 && row < int(rows_.size()))
            rows_.erase(rows_.begin() + row);
        forgetRefused();
        showAll();
        emit rowsEdited();
    });
    connect(singleWinEdit_, &QPushButton::clicked, this, &LanguageTextList::singleWinEditClicked);
}

void LanguageTextList::setValuesEditable(bool editable) {
    valuesEditable_ = editable;
    list_->setEditableColumns(editable ? UINT32_MAX : (1u << kTextColumn));
}

int LanguageTextList::language() const {
    return tabs_->currentIndex() == 1 ? 1 : 0;
}

void LanguageTextList::showRows(std::vector<rules::ChoiceRow> rows) {
    list_->endEdit(false);
    rows_ = std::move(rows);
    showAll();
}

void LanguageTextList::refill(std::vector<rules::ChoiceRow> rows) {
    showRows(std::move(rows));
    emit rowsEdited();
}

void LanguageTextList::showValues(const std::vector<std::string>& values) {
    for (std::size_t k = 0; k < rows_.size() && k < values.size(); ++k) {
        rows_[k].value = values[k];
        showTextCell(*list_, int(k), kValueColumn, rows_[k].value);
    }
}

void LanguageTextList::showAll() {
    {
        const QSignalBlocker quiet(list_);
        list_->setRowCount(int(rows_.size()));
    }
    const int lang = language();
    for (int k = 0; k < int(rows_.size()); ++k) {
        showTextCell(*list_, k, kValueColumn, rows_[k].value);
        showTextCell(*list_, k, kTextColumn, rows_[k].text[lang]);
    }
    if (refusedLanguage_ == lang)
        showRefusedCell(*list_, pane_, refused_);
}

void LanguageTextList::cellChanged(int row, int column) {
    // While the list and the rows differ in length, a row change is under way: its own signal
    // brings them in step.
    if (list_->rowCount() != int(rows_.size()) || row < 0 || row >= int(rows_.size()))
        return;
    rules::ChoiceRow& shown = rows_[std::size_t(row)];
    if (column == kValueColumn && valuesEditable_) {
        // The cell editor takes digits only.
        shown.value = list_->cellText(row, column).toStdString();
    } else if (column == kTextColumn) {
        auto bytes = takeTypedCell(*list_, row, column, pane_, refused_);
        if (!bytes) {
            // The typed text stays in the cell, the hint says why it is not stored.
            refusedLanguage_ = language();
            return;
        }
        shown.text[language()] = std::move(*bytes);
    }
    showTextCell(*list_, row, kValueColumn, shown.value);
    showTextCell(*list_, row, kTextColumn, shown.text[language()]);
    emit rowsEdited();
}

void LanguageTextList::forgetRefused() {
    // The rows moved: the typed text no longer has a place of its own.
    refused_ = {};
    if (pane_.hint().field() == list_)
        pane_.hint().clear();
}

bool LanguageTextList::runDialog(LanguageTable& table, LanguageTableKind kind) {
    const PaneContext& context = pane_.context();
    if (!runner_ || !context.prompt || !context.files)
        return false;
    return runner_(table, kind, *context.prompt, *context.files, window());
}

} // namespace zorv
