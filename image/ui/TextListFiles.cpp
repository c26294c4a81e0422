#include "image/ui/TextListFiles.h"

namespace zorv {

QPushButton* listButton(const QString& text, const QString& name) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false); // Enter belongs to the cell editor
    return b;
}

PromptAnswer MessagesAfterShowing::ask(const std::string& text, PromptButtons buttons) {
    if (buttons != PromptButtons::Ok)
        return prompt_.ask(text, buttons);
    held_.push_back(text);
    return PromptAnswer::Ok;
}

void MessagesAfterShowing::tell() {
    for (const std::string& text : held_)
        prompt_.message(text);
    held_.clear();
}

} // namespace zorv
