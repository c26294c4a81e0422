#pragma once
// Message boxes over QMessageBox, titled with the application's name, owned by one window.

#include <QPointer>
#include <QWidget>

#include "platform/Prompt.h"

namespace zorv {

class QtPrompt : public Prompt {
public:
    explicit QtPrompt(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    PromptAnswer ask(const std::string& text, PromptButtons buttons) override;
    bool choose(const std::string& text, const std::string& yesLabel,
                const std::string& noLabel) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace zorv
