#include "editor/CReplaceDlg.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/CFindPanel.h"
#include "model/CHCData.h"
#include "model/RegisterName.h"
#include "search/Find.h"

namespace zorv {

namespace {

enum Column { Page, Widget, Field, Old, New };
enum Where { WholeProject, ChosenPages, SelectedWidgets };
constexpr unsigned kLanguageChoices[] = {ReplaceLanguage1, ReplaceLanguage2, ReplaceBothLanguages};

QString quoted(const std::string& text) {
    return "\"" + QString::fromStdString(text) + "\"";
}

QString counted(int n, const char* one, const char* many) {
    return QString::number(n) + " " + (n == 1 ? one : many);
}

void addRow(QTreeWidget& list, uint16_t page, WidgetKind kind, int32_t id, const std::string& field,
            const QString& before, const QString& after) {
    auto* item = new QTreeWidgetItem(&list);
    item->setText(Page, QString::number(page));
    item->setText(Widget, widgetLabel(kind, id));
    item->setText(Field, QString::fromStdString(field));
    item->setText(Old, before);
    item->setText(New, after);
    item->setToolTip(New, after);
}

} // namespace

int ReplacePlan::storedCount() const {
    if (registers)
        return int(changes.size());
    return int(std::count_if(texts.begin(), texts.end(),
                             [](const TextReplacement& t) { return t.bytes.has_value(); }));
}

CReplaceDlg::CReplaceDlg(const CHCData& project, RenumberScope selection, QWidget* parent)
    : QDialog(parent), project_(project), selection_(std::move(selection)) {
    setWindowTitle("Replace");
    kinds_ = new QTabWidget(this);
    kinds_->setAccessibleName("Replace what");
    // Tab stops at the tab bar itself, not at the frame around the pages as well.
    kinds_->setFocusPolicy(Qt::NoFocus);
    kinds_->addTab(textsTab(), "&Texts");
    kinds_->addTab(registersTab(), "Re&gisters");

    where_ = new QComboBox(this);
    where_->setAccessibleName("Replace where");
    where_->addItems({"Whole project", "Chosen pages", "Selected widgets"});
    if (selection_.widgets.empty())
        qobject_cast<QStandardItemModel*>(where_->model())
            ->item(SelectedWidgets)
            ->setEnabled(false);
    pages_ = new QLineEdit(this);
    pages_->setAccessibleName("Chosen pages");
    pages_->setPlaceholderText("2, 3, 5-7");
    pages_->setEnabled(false);
    auto* whereLabel = new QLabel("&Where:", this);
    whereLabel->setBuddy(where_);
    auto* whereRow = new QHBoxLayout;
    whereRow->addWidget(whereLabel);
    whereRow->addWidget(where_);
    whereRow->addWidget(pages_, 1);

    preview_ = new QTreeWidget(this);
    preview_->setAccessibleName("Changes");
    preview_->setRootIsDecorated(false);
    preview_->setUniformRowHeights(true);
    preview_->setAlternatingRowColors(true);
    preview_->setHeaderLabels({"Page", "Widget", "Field", "Old", "New"});
    preview_->header()->setStretchLastSection(true);
    preview_->setColumnWidth(Page, 50);
    preview_->setColumnWidth(Widget, 120);
    preview_->setColumnWidth(Field, 140);
    preview_->setColumnWidth(Old, 170);
    note_ = new QLabel(this);
    note_->setAccessibleName("Replace note");
    note_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    replace_ = buttons->addButton("&Replace", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kinds_);
    layout->addLayout(whereRow);
    layout->addWidget(new QLabel("Changes:", this));
    layout->addWidget(preview_, 1);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    resize(720, 480);

    for (QLineEdit* edit : {findText_, replacement_, from_, to_, pages_})
        connect(edit, &QLineEdit::textChanged, this, &CReplaceDlg::updatePreview);
    for (QComboBox* box : {languages_, where_})
        connect(box, &QComboBox::currentIndexChanged, this, &CReplaceDlg::updatePreview);
    connect(where_, &QComboBox::currentIndexChanged, pages_,
            [this](int where) { pages_->setEnabled(where == ChosenPages); });
    connect(byRun_, &QRadioButton::toggled, this, &CReplaceDlg::updatePreview);
    connect(offset_, &QSpinBox::valueChanged, this, &CReplaceDlg::updatePreview);
    connect(kinds_, &QTabWidget::currentChanged, this, &CReplaceDlg::updatePreview);
    updatePreview();
}

void CReplaceDlg::takeQuery(const QString& query) {
    if (query.isEmpty())
        return;
    if (registerQuery(query.toStdString(), nullptr)) {
        kinds_->setCurrentIndex(1);
        from_->setText(query);
    } else {
        findText_->setText(query);
    }
}

QWidget* CReplaceDlg::textsTab() {
    auto* tab = new QWidget;
    findText_ = new QLineEdit(tab);
    findText_->setAccessibleName("Find what");
    replacement_ = new QLineEdit(tab);
    replacement_->setAccessibleName("Replace with");
    languages_ = new QComboBox(tab);
    languages_->setAccessibleName("Languages");
    languages_->addItems({"Language 1", "Language 2", "Both languages"});
    languages_->setCurrentIndex(2);
    auto* form = new QFormLayout(tab);
    form->addRow("Find &what:", findText_);
    form->addRow("Replace w&ith:", replacement_);
    form->addRow("&Language:", languages_);
    return tab;
}

QWidget* CReplaceDlg::registersTab() {
    auto* tab = new QWidget;
    from_ = new QLineEdit(tab);
    from_->setAccessibleName("Registers to move");
    from_->setPlaceholderText("D100-D119, M0-M15");
    byRun_ = new QRadioButton("Move t&o:", tab);
    byRun_->setChecked(true);
    to_ = new QLineEdit(tab);
    to_->setAccessibleName("Registers to move to");
    to_->setPlaceholderText("D200-D219, M100-M115");
    byOffset_ = new QRadioButton("Move &by:", tab);
    offset_ = new QSpinBox(tab);
    offset_->setAccessibleName("Offset");
    offset_->setRange(-9999, 9999);
    offset_->setEnabled(false);
    connect(byRun_, &QRadioButton::toggled, to_, &QWidget::setEnabled);
    connect(byOffset_, &QRadioButton::toggled, offset_, &QWidget::setEnabled);
    auto* form = new QFormLayout(tab);
    form->addRow("&From:", from_);
    form->addRow(byRun_, to_);
    form->addRow(byOffset_, offset_);
    return tab;
}

bool CReplaceDlg::readScope(RenumberScope& scope, QString& fault) const {
    scope = {};
    if (where_->currentIndex() == SelectedWidgets) {
        scope = selection_;
        return true;
    }
    if (where_->currentIndex() != ChosenPages)
        return true;
    for (const QString& part : pages_->text().split(',', Qt::SkipEmptyParts)) {
        const QStringList ends = part.split('-');
        bool firstRead = false, lastRead = false;
        const int first = ends[0].trimmed().toInt(&firstRead);
        const int last = ends.size() == 2 ? ends[1].trimmed().toInt(&lastRead) : first;
        if (!firstRead || (ends.size() == 2 && !lastRead) || ends.size() > 2 || last < first) {
            fault = QString("\"%1\" is no page number or run of pages.").arg(part.trimmed());
            return false;
        }
        for (int number = first; number <= last; ++number) {
            if (number > 0xFFFF || !project_.pageByNumber(uint16_t(number))) {
                fault = QString("There is no page %1.").arg(number);
                return false;
            }
            scope.pages.push_back(uint16_t(number));
        }
    }
    if (scope.pages.empty())
        fault = "Type the pages to replace in.";
    return !scope.pages.empty();
}

bool CReplaceDlg::readMoves(std::vector<RegisterMove>& moves, QString& fault) const {
    moves.clear();
    const QStringList froms = from_->text().split(',', Qt::SkipEmptyParts);
    const QStringList tos = to_->text().split(',', Qt::SkipEmptyParts);
    if (froms.isEmpty()) {
        fault = "Type the registers to move.";
        return false;
    }
    if (byRun_->isChecked() && tos.size() != froms.size()) {
        fault = QString("Give as many registers to move to as registers to move (%1).")
                    .arg(froms.size());
        return false;
    }
    for (qsizetype i = 0; i < froms.size(); ++i) {
        const std::string from = froms[i].trimmed().toStdString();
        const std::string to = byRun_->isChecked() ? tos[i].trimmed().toStdString() : from;
        RegisterMove move;
        std::string message;
        if (!parseRegisterMove(from, to, std::nullopt, move, message)) {
            fault = QString::fromStdString(message);
            return false;
        }
        if (byOffset_->isChecked())
            move.offset = offset_->value();
        if (move.offset == 0) {
            fault = QString::fromStdString(from) + " stays where it is.";
            return false;
        }
        moves.push_back(move);
    }
    return true;
}

void CReplaceDlg::updatePreview() {
    plan_ = {};
    plan_.registers = kinds_->currentIndex() == 1;
    QString fault;
    if (readScope(plan_.scope, fault)) {
        if (plan_.registers) {
            std::string message;
            if (readMoves(plan_.moves, fault) &&
                !planRenumber(project_, plan_.moves, plan_.scope, plan_.changes, message))
                fault = QString::fromStdString(message);
        } else if (findText_->text().isEmpty()) {
            fault = "Type the text to find.";
        } else {
            plan_.texts = planTextReplace(
                project_, findText_->text().toStdString(), replacement_->text().toStdString(),
                kLanguageChoices[languages_->currentIndex()], plan_.scope);
        }
    }
    if (!fault.isEmpty()) {
        plan_.moves.clear();
        plan_.changes.clear();
    }
    listPlan();
    if (!fault.isEmpty())
        note_->setText(fault);
    replace_->setEnabled(fault.isEmpty() && plan_.storedCount() > 0);
}

void CReplaceDlg::listPlan() {
    preview_->clear();
    for (const RegisterChange& c : plan_.changes)
        addRow(*preview_, c.page, c.kind, c.widgetId, c.field,
               QString::fromStdString(registerText(c.before)),
               QString::fromStdString(registerText(c.after)));
    int refused = 0;
    for (const TextReplacement& t : plan_.texts) {
        if (!t.bytes)
            ++refused;
        addRow(*preview_, t.page, t.kind, t.widgetId, t.field, quoted(t.before),
               t.bytes ? quoted(t.after)
                       : quoted(t.after) + " refused: " + QString::fromStdString(t.refusal));
    }
    const int stored = plan_.storedCount();
    QString note = stored == 0 ? QString("Nothing to change.")
                               : counted(stored, "change", "changes") + ", stored as one edit.";
    if (refused > 0)
        note += " " + counted(refused, "refused text is", "refused texts are") + " not stored.";
    note_->setText(note);
}

} // namespace zorv
