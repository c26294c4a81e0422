#include "image/ui/CSettingDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/CNumberEdit.h"

namespace zorv {

namespace {

constexpr const char* kExplanation =
    "Explain: with \"Allow  Register setting control\" checked, the panel lets registers be set "
    "only while the PLC permits it through the register given here.";

// A number field of a 16-bit header field.
CNumberEdit* numberEdit(const QString& name, const QString& accessibleName) {
    auto* e = new CNumberEdit;
    e->setObjectName(name);
    e->setAccessibleName(accessibleName);
    e->setRange(0, 65535);
    e->setMaxLength(5);
    e->setMinimumWidth(64);
    return e;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

// The "Type:" list of the system registers: "D" only.
QComboBox* typeList(const QString& name, const QString& accessibleName) {
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->setAccessibleName(accessibleName);
    c->addItem("D", int(RegisterType::D));
    return c;
}

std::string text(const CNumberEdit* e) {
    return e->text().toStdString();
}
QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CSettingDlg::CSettingDlg(ProjectHeader& header, Prompt& prompt, QWidget* parent)
    : QDialog(parent), header_(header), prompt_(prompt) {
    setWindowTitle("Parameter Setting");

    auto* top = new QHBoxLayout;
    top->addWidget(buildPagesGroup());
    auto* right = new QVBoxLayout;
    right->addWidget(buildPageControlGroup());
    right->addWidget(buildRegistersGroup());
    top->addLayout(right, 1);

    auto* explain = new QLabel(kExplanation);
    explain->setObjectName("explanation");
    explain->setWordWrap(true);

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton("CANCEL", QDialogButtonBox::RejectRole);
    ok->setObjectName("ok");
    cancel->setObjectName("cancel");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CSettingDlg::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(explain);
    layout->addWidget(buttons);

    showFields(openSystemParameters(header_));
    for (QCheckBox* box : {screenProtection_, backlightOff_, pageControl_.box, reportCurrentPage_,
                           language_.box, passwordLevel_.box, registerSetControl_.box})
        connect(box, &QCheckBox::toggled, this, &CSettingDlg::updateEnabling);
    for (QCheckBox* box : {pageControl_.box, reportCurrentPage_})
        connect(box, &QCheckBox::toggled, this, &CSettingDlg::updatePageControlLabels);
    connect(pageControl_.address, &QLineEdit::textChanged, this,
            &CSettingDlg::updatePageControlLabels);
    updateEnabling();
    updatePageControlLabels();
}

QWidget* CSettingDlg::buildPagesGroup() {
    auto* group = new QGroupBox;
    group->setAccessibleName("Pages and display");
    auto* grid = new QGridLayout(group);
    int row = 0;
    // Fields under a check box are indented beneath it.
    auto addField = [&](const QString& text, CNumberEdit* edit, bool underBox = false) {
        QLabel* label = buddyLabel(text, edit);
        if (underBox)
            label->setIndent(20);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
    };
    startPage_ = numberEdit("startPage", "Start page");
    defaultPage_ = numberEdit("defaultPage", "Default page");
    alarmPage_ = numberEdit("alarmPage", "Alarm page");
    passwordLevels_ = numberEdit("passwordLevels", "PWD Level");
    passwordLevels_->setReadOnly(true);
    addField("Start page:", startPage_);
    ++row;
    addField("Default page:", defaultPage_);
    ++row;
    addField("Alarm page:", alarmPage_);
    ++row;
    addField("PWD Level:", passwordLevels_);
    ++row;

    screenProtection_ = new QCheckBox("Screen Protection");
    screenProtection_->setObjectName("screenProtection");
    grid->addWidget(screenProtection_, row++, 0, 1, 2);
    screenDelay_ = numberEdit("screenDelay", "Screen protection delay time(s)");
    screenSaverPage_ = numberEdit("screenSaverPage", "Screen saver");
    addField("Delay time(s):", screenDelay_, true);
    ++row;
    addField("Screen saver:", screenSaverPage_, true);
    ++row;

    backlightOff_ = new QCheckBox("Off Background Light");
    backlightOff_->setObjectName("backlightOff");
    grid->addWidget(backlightOff_, row++, 0, 1, 2);
    backlightDelay_ = numberEdit("backlightDelay", "Background light delay time(s)");
    addField("Delay time(s):", backlightDelay_, true);
    ++row;

    autoAlarmPage_ = new QCheckBox("Auto alarm page");
    autoAlarmPage_->setObjectName("autoAlarmPage");
    grid->addWidget(autoAlarmPage_, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return group;
}

QWidget* CSettingDlg::buildPageControlGroup() {
    auto* group = new QGroupBox("Page Control");
    auto* grid = new QGridLayout(group);
    pageControl_ = addRegisterRow(grid, 0, "Auto trans page,", "pageControl");
    // The check box of this row stands on the line below, beside its label.
    grid->removeWidget(pageControl_.box);
    grid->addWidget(pageControl_.box, 1, 0);
    autoTransLabel_ = new QLabel;
    autoTransLabel_->setObjectName("autoTransLabel");
    autoTransLabel_->setAccessibleDescription("Register of Auto trans page");
    grid->addWidget(autoTransLabel_, 1, 1, 1, 6);

    reportCurrentPage_ = new QCheckBox("Report the current page no.");
    reportCurrentPage_->setObjectName("reportCurrentPage");
    grid->addWidget(reportCurrentPage_, 2, 0);
    reportCurrentLabel_ = new QLabel;
    reportCurrentLabel_->setObjectName("reportCurrentLabel");
    reportCurrentLabel_->setAccessibleDescription("Register of Report the current page no.");
    grid->addWidget(reportCurrentLabel_, 2, 1, 1, 6);
    return group;
}

QWidget* CSettingDlg::buildRegistersGroup() {
    auto* group = new QGroupBox;
    group->setAccessibleName("System registers");
    auto* grid = new QGridLayout(group);
    language_ = addRegisterRow(grid, 0, "Multi language suppor", "language");
    passwordLevel_ = addRegisterRow(grid, 1, "Report Password Level", "passwordLevel");
    registerSetControl_ =
        addRegisterRow(grid, 2, "Allow  Register setting control", "registerSetControl");
    return group;
}

CSettingDlg::RegisterRow CSettingDlg::addRegisterRow(QGridLayout* grid, int row,
                                                     const QString& boxText, const QString& name) {
    RegisterRow r;
    r.box = new QCheckBox(boxText);
    r.box->setObjectName(name + "Box");
    r.station = numberEdit(name + "Station", boxText + " PLC station No.");
    r.station->setRange(0, 255);
    r.station->setMaxLength(3);
    r.station->setEnabled(false); // the project keeps its station numbers
    r.type = typeList(name + "Type", boxText + " type");
    r.address = numberEdit(name + "Address", boxText + " address");
    grid->addWidget(r.box, row, 0);
    grid->addWidget(buddyLabel("PLC Station No.:", r.station), row, 1);
    grid->addWidget(r.station, row, 2);
    grid->addWidget(buddyLabel("Type:", r.type), row, 3);
    grid->addWidget(r.type, row, 4);
    grid->addWidget(buddyLabel("Addr.:", r.address), row, 5);
    grid->addWidget(r.address, row, 6);
    return r;
}

void CSettingDlg::showFields(const SystemParameterFields& f) {
    passwordLevels_->setText(qtext(f.passwordLevels));
    startPage_->setText(qtext(f.startPage));
    defaultPage_->setText(qtext(f.defaultPage));
    alarmPage_->setText(qtext(f.alarmPage));
    screenProtection_->setChecked(f.screenProtection);
    screenDelay_->setText(qtext(f.screenDelay));
    screenSaverPage_->setText(qtext(f.screenSaverPage));
    backlightOff_->setChecked(f.backlightOff);
    backlightDelay_->setText(qtext(f.backlightDelay));
    autoAlarmPage_->setChecked(f.autoAlarmPage);
    pageControl_.box->setChecked(f.autoTransPage);
    reportCurrentPage_->setChecked(f.reportCurrentPage);
    pageControl_.address->setText(qtext(f.pageControlAddress));
    const std::pair<RegisterRow*, std::size_t> rows[] = {
        {&pageControl_, ProjectHeader::kPageControlRegOff},
        {&language_, ProjectHeader::kLanguageRegOff},
        {&passwordLevel_, ProjectHeader::kPasswordLevelRegOff},
        {&registerSetControl_, ProjectHeader::kSetControlRegOff}};
    for (auto [row, off] : rows)
        row->station->setText(QString::number(header_.registerAt(off).station));
    const std::pair<RegisterRow*, const RegisterFields*> registers[] = {
        {&language_, &f.language},
        {&passwordLevel_, &f.passwordLevel},
        {&registerSetControl_, &f.registerSetControl}};
    for (auto [row, field] : registers) {
        row->box->setChecked(field->enabled);
        row->address->setText(qtext(field->address));
    }
}

SystemParameterFields CSettingDlg::fields() const {
    SystemParameterFields f;
    f.passwordLevels = text(passwordLevels_);
    f.startPage = text(startPage_);
    f.defaultPage = text(defaultPage_);
    f.alarmPage = text(alarmPage_);
    f.screenProtection = screenProtection_->isChecked();
    f.screenDelay = text(screenDelay_);
    f.screenSaverPage = text(screenSaverPage_);
    f.backlightOff = backlightOff_->isChecked();
    f.backlightDelay = text(backlightDelay_);
    f.autoAlarmPage = autoAlarmPage_->isChecked();
    f.autoTransPage = pageControl_.box->isChecked();
    f.reportCurrentPage = reportCurrentPage_->isChecked();
    f.pageControlType = uint8_t(pageControl_.type->currentData().toInt());
    f.pageControlAddress = text(pageControl_.address);
    auto registerFields = [](const RegisterRow& r) {
        return RegisterFields{r.box->isChecked(), uint8_t(r.type->currentData().toInt()),
                              text(r.address)};
    };
    f.language = registerFields(language_);
    f.passwordLevel = registerFields(passwordLevel_);
    f.registerSetControl = registerFields(registerSetControl_);
    return f;
}

void CSettingDlg::updateEnabling() {
    const SystemParameterEnabling e = systemParameterEnabling(fields());
    screenDelay_->setEnabled(e.screenDelay);
    screenSaverPage_->setEnabled(e.screenSaverPage);
    backlightDelay_->setEnabled(e.backlightDelay);
    const std::pair<RegisterRow*, bool> rows[] = {{&pageControl_, e.pageControl},
                                                  {&language_, e.language},
                                                  {&passwordLevel_, e.passwordLevel},
                                                  {&registerSetControl_, e.registerSetControl}};
    for (auto [row, on] : rows) {
        row->type->setEnabled(on);
        row->address->setEnabled(on);
    }
}

void CSettingDlg::updatePageControlLabels() {
    const PageControlLabels labels = pageControlLabels(
        pageControl_.box->isChecked(), reportCurrentPage_->isChecked(), text(pageControl_.address));
    autoTransLabel_->setText(qtext(labels.autoTrans));
    reportCurrentLabel_->setText(qtext(labels.reportCurrent));
}

void CSettingDlg::confirm() {
    if (confirmSystemParameters(fields(), header_, prompt_))
        accept();
}

} // namespace zorv
