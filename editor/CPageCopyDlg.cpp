#include "editor/CPageCopyDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/EditorViewRules.h"
#include "model/RegisterType.h"
#include "platform/Prompt.h"

namespace zorv {

namespace {

constexpr RegisterType kFamilies[] = {RegisterType::D, RegisterType::M, RegisterType::X,
                                      RegisterType::Y};
constexpr int kMaxCopies = 99;
constexpr int kListedCopies = 4;

QString pageList(const std::vector<int>& pages) {
    QStringList texts;
    for (int page : pages)
        texts << QString::number(page);
    return texts.join(QStringLiteral(", "));
}

} // namespace

CPageCopyDlg::CPageCopyDlg(int source, int proposed, Prompt& prompt, QWidget* parent)
    : CPageNumberDlg(tr("Copy page"), proposed, PlaceMode::Cover, prompt, parent), prompt_(prompt),
      source_(source) {
    form()->insertRow(0, new QLabel(QString::fromStdString(copyPageLabel(source)), this));

    withPages_ = new QLineEdit(this);
    withPages_->setPlaceholderText(tr("none, or e.g. 11-12"));
    withPages_->setAccessibleName(tr("Pages copied with it"));
    form()->addRow(tr("Pages copied with it:"), withPages_);
    copies_ = new QSpinBox(this);
    copies_->setRange(1, kMaxCopies);
    copies_->setAccessibleName(tr("Copies"));
    form()->addRow(tr("Copies:"), copies_);

    shift_ = new QGroupBox(tr("Shift registers per copy"), this);
    shift_->setCheckable(true);
    shift_->setChecked(false);
    auto* shifts = new QFormLayout(shift_);
    for (RegisterType family : kFamilies) {
        auto* box = new QSpinBox(shift_);
        const int most = maxAddress(uint8_t(family));
        box->setRange(-most, most);
        box->setObjectName(QString::fromLatin1(registerLetter(uint8_t(family))));
        box->setAccessibleName(tr("%1 offset").arg(box->objectName()));
        // X and Y count their addresses in octal: an offset of 8 moves X0 to X10.
        if (isOctalAddressType(uint8_t(family)))
            box->setToolTip(tr("Addresses to move by; X and Y count in octal, 8 moves X0 to X10"));
        shifts->addRow(box->objectName() + QLatin1Char(':'), box);
        offsets_ << box;
        connect(box, &QSpinBox::valueChanged, this, &CPageCopyDlg::update);
    }
    form()->addRow(shift_);
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    // Below the modes, just above OK: what the choice will make.
    if (auto* rows = qobject_cast<QVBoxLayout*>(layout()))
        rows->insertWidget(rows->count() - 1, summary_);
    setMinimumWidth(420);

    // Tab in reading order: the rows added here come between the number and the modes.
    QList<QWidget*> order{numberBox(), withPages_, copies_, shift_};
    for (QSpinBox* box : offsets_)
        order << box;
    order << insertButton() << coverButton();
    if (auto* buttons = findChild<QDialogButtonBox*>())
        for (QAbstractButton* button : buttons->buttons())
            order << button;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(withPages_, &QLineEdit::textChanged, this, &CPageCopyDlg::update);
    connect(numberBox(), &QLineEdit::textChanged, this, &CPageCopyDlg::update);
    connect(copies_, &QSpinBox::valueChanged, this, &CPageCopyDlg::update);
    connect(shift_, &QGroupBox::toggled, this, &CPageCopyDlg::update);
    update();
}

QSpinBox* CPageCopyDlg::shiftBox(const QString& family) const {
    for (QSpinBox* box : offsets_)
        if (box->objectName() == family)
            return box;
    return nullptr;
}

std::optional<std::vector<uint16_t>> CPageCopyDlg::withPages(std::string& message) const {
    std::vector<uint16_t> pages;
    if (!parsePageList(withPages_->text().toStdString(), pages, message))
        return std::nullopt;
    std::erase(pages, uint16_t(source_));
    return pages;
}

PageChoice CPageCopyDlg::choice() const {
    PageChoice c{number(), mode(), {}};
    std::string message;
    c.withPages = withPages(message).value_or(std::vector<uint16_t>{});
    c.copies = copies_->value();
    if (shift_->isChecked())
        for (std::size_t i = 0; i < std::size(kFamilies); ++i)
            if (offsets_[qsizetype(i)]->value() != 0)
                c.shifts.push_back({uint8_t(kFamilies[i]), offsets_[qsizetype(i)]->value()});
    return c;
}

void CPageCopyDlg::accept() {
    std::string message;
    if (!withPages(message)) {
        prompt_.message(message);
        withPages_->setFocus();
        return;
    }
    CPageNumberDlg::accept();
}

// The pages each copy becomes, and whether the plain copy's modes apply.
void CPageCopyDlg::update() {
    const PageChoice c = choice();
    const bool plain = c.plainCopy();
    insertButton()->setEnabled(plain);
    coverButton()->setEnabled(plain);
    if (plain) {
        summary_->setText(tr("Page %1 to page %2.").arg(source_).arg(c.number));
        return;
    }
    std::vector<int> set{source_};
    set.insert(set.end(), c.withPages.begin(), c.withPages.end());
    std::sort(set.begin(), set.end());
    QStringList lines;
    lines << tr("Pages %1 become:").arg(pageList(set));
    const int offset = c.number - source_;
    for (int k = 1; k <= std::min(c.copies, kListedCopies); ++k) {
        std::vector<int> pages;
        for (int page : set)
            pages.push_back(page + k * offset);
        QStringList moves;
        for (const RegisterShift& s : c.shifts)
            moves << QStringLiteral("%1 %2%3")
                         .arg(QString::fromLatin1(registerLetter(s.type)))
                         .arg(s.offset * k > 0 ? QStringLiteral("+") : QString())
                         .arg(s.offset * k);
        lines << tr("copy %1: pages %2").arg(k).arg(pageList(pages)) +
                     (moves.isEmpty() ? QString()
                                      : QStringLiteral("; ") + moves.join(QStringLiteral(", ")));
    }
    if (c.copies > kListedCopies)
        lines << tr("... and %1 more copies").arg(c.copies - kListedCopies);
    summary_->setText(lines.join(QLatin1Char('\n')));
}

} // namespace zorv
