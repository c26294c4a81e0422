#include "panes/CLedProperty.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "model/LightPictures.h"
#include "model/PictureFiles.h"
#include "platform/Prompt.h"
#include "platform/qt/FileChooser.h"

namespace zorv {

CLedProperty::CLedProperty(QWidget* parent) : RecordPane(parent) {
    auto* frame = new QGroupBox(tr("Indicator Light Attribute"), this);
    auto* position = new PositionBox(frame);
    setPositionBox(position);

    auto* characteristic = new QGroupBox(tr("Characteristic"), frame);
    doubleSize_ = new QCheckBox(tr("double size"), characteristic);
    (new QVBoxLayout(characteristic))->addWidget(doubleSize_);

    auto* display = new QGroupBox(tr("Display"), frame);
    displayType_ = new QComboBox(display);
    displayType_->addItems({tr("Round"), tr("Square"), tr("Custom")});
    displayType_->setAccessibleName(tr("Display type"));
    logic_ = new QComboBox(display);
    logic_->addItems({tr("Positive logic"), tr("Negative logic")});
    logic_->setAccessibleName(tr("Logic"));
    positivePicture_ = new QPushButton(tr("Positive logic Picture"), display);
    negativePicture_ = new QPushButton(tr("Negative logic Picture"), display);
    auto* displayGrid = new QGridLayout(display);
    addLabelled(displayGrid, 0, 0, tr("Type:"), displayType_);
    addLabelled(displayGrid, 1, 0, tr("Logic:"), logic_);
    displayGrid->addWidget(positivePicture_, 2, 0, 1, 2);
    displayGrid->addWidget(negativePicture_, 3, 0, 1, 2);

    // Made after the display group above it, so that Tab reaches it last.
    register_ =
        new RegisterGroup({RegisterType::D, RegisterType::M, RegisterType::X, RegisterType::Y},
                          tr("Register"), tr("ADDR:"), RegisterGroup::Arrangement::Row, frame);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(position, 0, 0);
    grid->addWidget(characteristic, 1, 0);
    grid->addWidget(display, 0, 1, 2, 1);
    grid->addWidget(register_, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setAccessibleName(tr("Indicator Light Attribute"));

    connect(displayType_, &QComboBox::currentIndexChanged, this, &CLedProperty::displayTypeChosen);
    connect(positivePicture_, &QPushButton::clicked, this, [this] { choosePicture(0); });
    connect(negativePicture_, &QPushButton::clicked, this, [this] { choosePicture(1); });
    showRecord();
}

rules::LedForm CLedProperty::formOfControls() const {
    rules::LedForm form;
    form.reg = register_->form();
    form.negativeLogic = logic_->currentIndex() == 1;
    form.doubleSize = doubleSize_->isChecked();
    form.displayType = displayType_->currentIndex();
    return form;
}

rules::ConfirmResult<LedRecord> CLedProperty::confirm() const {
    return rules::confirmLed(working_, formOfControls());
}

void CLedProperty::showRecord() {
    // Pictures are chosen anew from the record as loaded or applied.
    working_ = record();
    const rules::LedForm form = rules::ledFormOf(working_);
    loading_ = true;
    register_->showForm(form.reg);
    logic_->setCurrentIndex(form.negativeLogic ? 1 : 0);
    doubleSize_->setChecked(form.doubleSize);
    displayType_->setCurrentIndex(form.displayType);
    shownType_ = form.displayType;
    loading_ = false;
}

void CLedProperty::setPosition(int x, int y) {
    RecordPane::setPosition(x, y);
    working_.setX(uint16_t(x));
    working_.setY(uint16_t(y));
}

void CLedProperty::displayTypeChosen() {
    if (loading_)
        return;
    const bool hasPicture = !working_.pictureName(0).empty() || !working_.pictureName(1).empty();
    if (displayType_->currentIndex() == LedRecord::Custom && !hasPicture) {
        // A custom light needs a picture first; the previous type stays.
        showMessages(context(), {rules::kAddCustomImageMessage});
        const QSignalBlocker blocker(displayType_);
        displayType_->setCurrentIndex(shownType_);
        return;
    }
    shownType_ = displayType_->currentIndex();
}

void CLedProperty::choosePicture(int logic) {
    const char* question = logic == 0 ? rules::kReplacePositivePictureQuestion
                                      : rules::kReplaceNegativePictureQuestion;
    if (!working_.pictureName(logic).empty() &&
        !(context().prompt && context().prompt->yes(question)))
        return;
    if (!context().files)
        return;
    const QString chosen = context().files->openFile(
        this, tr("Open"), QString::fromStdString(context().projectFolder.string()),
        qtFileFilter(kPictureFilter));
    if (chosen.isEmpty())
        return;
    switch (takeLightPicture(working_, logic, chosen.toStdString(), context().projectFolder,
                             context().project, widgetId())) {
    case LightPictureOutcome::Taken:
        break;
    case LightPictureOutcome::BadFormat:
        showMessages(context(), {rules::kLedBitmapFormatMessage});
        break;
    case LightPictureOutcome::CopyFailed:
        showMessages(context(), {kPictureCopyFailedMessage});
        break;
    }
}

} // namespace zorv
