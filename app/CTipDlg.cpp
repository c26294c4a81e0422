#include "app/CTipDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Paths.h"
#include "platform/Registry.h"

// The light bulb is built into the program from tips.qrc (made by tools/make_tip_bulb.py), so
// the dialog needs nothing from the program folder but the tips files themselves. The library
// is static, so its resources are registered by hand.
static void registerTipResources() {
    Q_INIT_RESOURCE(tips);
}

namespace zorv {

namespace {

constexpr int kBulbWidth = 40;
constexpr int kBulbHeight = 53;

QWidget* makeTipArea(QLabel* tipText) {
    auto* area = new QFrame;
    area->setObjectName("tipArea");
    area->setAccessibleName("Tip of the day");
    area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    area->setAutoFillBackground(true);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    area->setPalette(white);

    auto* bulb = new QLabel;
    bulb->setObjectName("bulb");
    bulb->setPixmap(QPixmap(":/tips/TipBulb.bmp"));
    bulb->setFixedSize(kBulbWidth, kBulbHeight);

    auto* heading = new QLabel("Did you know...");
    heading->setObjectName("heading");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    heading->setFont(bold);

    tipText->setObjectName("tipText");
    tipText->setTextFormat(Qt::PlainText);
    tipText->setWordWrap(true);
    tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tipText->setMinimumSize(360, 110);
    tipText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(10);
    layout->addWidget(bulb, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(heading, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(tipText, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    return area;
}

} // namespace

CTipDlg::CTipDlg(Registry& registry, const Paths& paths, const QLocale& locale, QWidget* parent)
    : CTipDlg(registry, tipsFilePath(paths.programFolder(), isChinesePrc(locale)), parent) {}

CTipDlg::CTipDlg(Registry& registry, const std::filesystem::path& tipsFile, QWidget* parent)
    : QDialog(parent), registry_(registry), tips_(registry, tipsFile), tipText_(new QLabel),
      bootDisplay_(new QCheckBox("Boot time display")), next_(new QPushButton("Next")) {
    registerTipResources();
    setWindowTitle("Tip of the Day");

    bootDisplay_->setChecked(showAtStartUp(registry_));
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    next_->setAutoDefault(false);
    next_->setEnabled(tips_.canGoOn());
    connect(next_, &QPushButton::clicked, this, [this] {
        tips_.next();
        showTip();
    });
    connect(ok, &QPushButton::clicked, this, &CTipDlg::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bootDisplay_);
    buttons->addStretch(1);
    buttons->addWidget(next_);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeTipArea(tipText_), 1);
    layout->addLayout(buttons);
    showTip();
    ok->setFocus();
}

bool CTipDlg::isChinesePrc(const QLocale& locale) {
    return locale.language() == QLocale::Chinese && locale.territory() == QLocale::China;
}

void CTipDlg::accept() {
    registry_.setValue(kTipStartUpKey, bootDisplay_->isChecked() ? "0" : "1");
    QDialog::accept();
}

void CTipDlg::done(int result) {
    tips_.storePosition();
    QDialog::done(result);
}

void CTipDlg::showTip() {
    tipText_->setText(QString::fromUtf8(tips_.text()));
}

} // namespace zorv
