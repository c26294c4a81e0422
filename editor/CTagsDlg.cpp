#include "editor/CTagsDlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "editor/CTagColumnsDlg.h"
#include "editor/TextFileCommands.h"
#include "model/FileOps.h"
#include "model/RegisterName.h"
#include "model/tags/CsvText.h"
#include "model/tags/TagImport.h"
#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"

namespace zorv {

namespace {

// Faulty lines named in a refusal; more are counted.
constexpr std::size_t kListedFaults = 20;
const QColor kFaultyCell(0xFF, 0xD6, 0xD6);

QString quoted(const QString& text) {
    return QStringLiteral("\"%1\"").arg(text);
}

std::string importRefusal(const std::vector<std::string>& faults) {
    std::string text = "The tags cannot be imported; the table is as it was:";
    for (std::size_t i = 0; i < faults.size() && i < kListedFaults; ++i)
        text += "\n" + faults[i];
    if (faults.size() > kListedFaults)
        text += "\n(and " + std::to_string(faults.size() - kListedFaults) + " more)";
    return text;
}

QString cellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QString();
}

} // namespace

CTagsDlg::CTagsDlg(const TagTable& tags, Prompt& prompt, FileChooser& files, QWidget* parent)
    : QDialog(parent), prompt_(prompt), files_(files) {
    setWindowTitle(tr("Tags"));
    table_ = new QTableWidget(0, 3, this);
    table_->setAccessibleName(tr("Tags"));
    table_->setHorizontalHeaderLabels({tr("Name"), tr("Register"), tr("Comment")});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(NameColumn, 180);
    table_->setColumnWidth(RegisterColumn, 90);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    note_ = new QLabel(this);
    note_->setAccessibleName(tr("Tag fault"));
    note_->setWordWrap(true);
    QPalette colours = note_->palette();
    colours.setColor(QPalette::WindowText, QColor(0xA0, 0x00, 0x00));
    note_->setPalette(colours);

    auto* add = new QPushButton(tr("&Add"), this);
    auto* remove = new QPushButton(tr("&Delete"), this);
    import_ = new QPushButton(tr("&Import..."), this);
    auto* exportButton = new QPushButton(tr("&Export..."), this);
    for (QPushButton* b : {add, remove, import_, exportButton})
        b->setAutoDefault(false);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {add, remove, import_, exportButton})
        side->addWidget(b);
    side->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* top = new QHBoxLayout;
    top->addWidget(table_, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    resize(640, 420);

    connect(add, &QPushButton::clicked, this, &CTagsDlg::addRow);
    connect(remove, &QPushButton::clicked, this, &CTagsDlg::deleteRows);
    connect(import_, &QPushButton::clicked, this, &CTagsDlg::importList);
    connect(exportButton, &QPushButton::clicked, this, &CTagsDlg::exportList);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::itemChanged, this, [this] { check(); });
    fill(tags);
}

void CTagsDlg::fill(const TagTable& tags) {
    {
        const QSignalBlocker blocker(table_);
        table_->setRowCount(int(tags.size()));
        for (int row = 0; row < int(tags.size()); ++row) {
            const Tag& tag = tags.tags()[std::size_t(row)];
            table_->setItem(row, NameColumn,
                            new QTableWidgetItem(QString::fromStdString(tag.name)));
            table_->setItem(row, RegisterColumn,
                            new QTableWidgetItem(QString::fromStdString(registerText(tag.reg))));
            table_->setItem(row, CommentColumn,
                            new QTableWidgetItem(QString::fromStdString(tag.comment)));
        }
    }
    check();
}

TagTable CTagsDlg::readRows(std::vector<CellFault>& faults) const {
    TagTable read;
    std::vector<int> rowOf; // the row of each tag read
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QString name = cellText(*table_, row, NameColumn);
        const QString reg = cellText(*table_, row, RegisterColumn);
        const QString comment = cellText(*table_, row, CommentColumn);
        if (name.trimmed().isEmpty() && reg.trimmed().isEmpty() && comment.isEmpty())
            continue;
        const std::optional<RegisterRef> parsed = parseRegisterText(reg.toStdString());
        if (!parsed)
            faults.push_back({row, RegisterColumn, tr("unreadable register %1").arg(quoted(reg))});
        // A row with a faulty register still holds its name, so that a later row of that name
        // is named as its duplicate.
        const Tag* first = read.find(name.toStdString());
        const TagFault fault =
            read.add({name.toStdString(), parsed.value_or(RegisterRef{}), comment.toStdString()});
        if (fault == TagFault::None)
            rowOf.push_back(row);
        else if (fault == TagFault::DuplicateName)
            faults.push_back({row, NameColumn,
                              tr("duplicate name %1 (also in row %2)")
                                  .arg(quoted(QString::fromStdString(first->name)))
                                  .arg(rowOf[std::size_t(first - read.tags().data())] + 1)});
        else
            faults.push_back({row, fault == TagFault::CommentTooLong ? CommentColumn : NameColumn,
                              QString::fromUtf8(tagFaultText(fault))});
    }
    return read;
}

TagTable CTagsDlg::tags() const {
    std::vector<CellFault> faults;
    return readRows(faults);
}

std::vector<CTagsDlg::CellFault> CTagsDlg::check() {
    std::vector<CellFault> faults;
    readRows(faults);
    const QSignalBlocker blocker(table_);
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int column = 0; column < table_->columnCount(); ++column) {
            QTableWidgetItem* item = table_->item(row, column);
            if (!item)
                table_->setItem(row, column, item = new QTableWidgetItem);
            item->setData(Qt::BackgroundRole, QVariant());
            item->setToolTip(QString());
        }
    }
    for (const CellFault& f : faults) {
        QTableWidgetItem* item = table_->item(f.row, f.column);
        item->setBackground(kFaultyCell);
        item->setToolTip(f.text);
    }
    if (faults.empty())
        note_->clear();
    else
        note_->setText(
            tr("Row %1: %2").arg(faults.front().row + 1).arg(faults.front().text) +
            (faults.size() > 1 ? tr(" (and %1 more)").arg(faults.size() - 1) : QString()));
    return faults;
}

bool CTagsDlg::soundRows(TagTable& tags) {
    const std::vector<CellFault> faults = check();
    if (!faults.empty()) {
        prompt_.message(note_->text().toStdString());
        table_->setCurrentCell(faults.front().row, faults.front().column);
        return false;
    }
    tags = this->tags();
    return true;
}

void CTagsDlg::accept() {
    TagTable sound;
    if (soundRows(sound))
        QDialog::accept();
}

void CTagsDlg::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    if (enter && focus && (focus == table_ || table_->isAncestorOf(focus))) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTagsDlg::addRow() {
    const int row = table_->rowCount();
    table_->insertRow(row);
    check();
    table_->setCurrentCell(row, NameColumn);
    table_->editItem(table_->item(row, NameColumn));
}

void CTagsDlg::deleteRows() {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && table_->currentRow() >= 0)
        rows.insert(table_->currentRow());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        table_->removeRow(*it);
    check();
}

void CTagsDlg::importList() {
    TagTable tags;
    if (!soundRows(tags))
        return;
    const QString file =
        files_.openFile(this, tr("Import Tags"), QString(), qtFileFilter(kTagListFilter));
    if (file.isEmpty())
        return;
    const std::optional<std::vector<uint8_t>> bytes = fileops::readFile(file.toStdString());
    if (!bytes) {
        prompt_.message("Failed to open file!\n" + file.toStdString());
        return;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    std::vector<CsvRow> rows;
    std::string fault;
    if (!parseCsv(text, ',', rows, fault)) {
        prompt_.message(importRefusal({fault}));
        return;
    }
    TagImportOptions options;
    if (!rows.empty() && !isTagFileHeader(rows.front().fields)) {
        CTagColumnsDlg columns(rows.front().fields, this);
        if (columns.exec() != QDialog::Accepted)
            return;
        options = columns.options();
    }
    // The list's tags join the table; a tag of the same name takes the list's register and
    // comment.
    options.merge = true;
    std::vector<std::string> faults;
    if (!importTags(text, options, tags, faults)) {
        prompt_.message(importRefusal(faults));
        return;
    }
    fill(tags);
}

void CTagsDlg::exportList() {
    TagTable tags;
    if (!soundRows(tags))
        return;
    QString file =
        files_.saveFile(this, tr("Export Tags"), QString(), qtFileFilter(kTagListFilter));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += ".csv";
    const std::string text = exportTags(tags);
    if (!fileops::replaceFile(file.toStdString(),
                              {reinterpret_cast<const uint8_t*>(text.data()), text.size()}))
        prompt_.message(kTextsExportFailedMessage);
}

} // namespace zorv
