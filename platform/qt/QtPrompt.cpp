#include "platform/qt/QtPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zorv {

PromptAnswer QtPrompt::ask(const std::string& text, PromptButtons buttons) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::Warning;
    switch (buttons) {
    case PromptButtons::Ok:
        break;
    case PromptButtons::YesNo:
        shown = QMessageBox::Yes | QMessageBox::No;
        icon = QMessageBox::Question;
        break;
    case PromptButtons::YesNoCancel:
        shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    case PromptButtons::OkCancel:
        shown = QMessageBox::Ok | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    }
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
    QMessageBox box(icon, QApplication::applicationName(), QString::fromStdString(text), shown,
                    owner);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        // The close box of a question answers as its cancelling button does.
        if (buttons == PromptButtons::YesNo)
            return PromptAnswer::No;
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

bool QtPrompt::choose(const std::string& text, const std::string& yesLabel,
                      const std::string& noLabel) {
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, owner);
    box.button(QMessageBox::Yes)->setText(QString::fromStdString(yesLabel));
    box.button(QMessageBox::No)->setText(QString::fromStdString(noLabel));
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace zorv
