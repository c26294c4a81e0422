#include "CNumberEdit.h"

#include "NumberEditRules.h"

#include <QKeyEvent>
#include <algorithm>

namespace zorv {

using namespace numberedit;

CNumberEdit::CNumberEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &CNumberEdit::applyRules);
}

void CNumberEdit::setRange(int32_t minimum, uint32_t maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    applyRules();
}

int64_t CNumberEdit::value() const {
    return textValue(text().toStdString());
}

void CNumberEdit::setValue(int64_t value) {
    setText(QString::number(value));
}

int CNumberEdit::ownerLimit() {
    // A limit this box raised for a minus sign is not the owner's; any other limit is.
    if (maxLength() != raisedLimit_)
        ownerLimit_ = maxLength();
    return ownerLimit_;
}

void CNumberEdit::setLimitFor(const std::string& text, int ownerLimit) {
    const int limit = std::max(lengthLimit(text, ownerLimit), static_cast<int>(text.size()));
    raisedLimit_ = limit == ownerLimit ? -1 : limit;
    if (limit == maxLength())
        return;
    // A new limit puts the caret at the end; the typing goes on where it was.
    const int caret = cursorPosition();
    const int selectedFrom = selectionStart();
    const int selectedLength = selectionLength();
    setMaxLength(limit);
    if (selectedLength > 0)
        setSelection(selectedFrom, selectedLength);
    else
        setCursorPosition(caret);
}

void CNumberEdit::applyRules() {
    if (applying_)
        return;
    applying_ = true;
    const int owner = ownerLimit();
    const std::string typed = text().toStdString();
    const std::string corrected = correctedText(typed, minimum_, maximum_, owner);
    // The limit first, so that the corrected text is not cut by the old one.
    setLimitFor(corrected, owner);
    if (corrected != typed) {
        const int caret = cursorPosition();
        setText(QString::fromStdString(corrected));
        setCursorPosition(std::min(caret, static_cast<int>(corrected.size())));
    }
    applying_ = false;
}

void CNumberEdit::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->key() < Qt::Key_A || event->key() > Qt::Key_Z) {
            QLineEdit::keyPressEvent(event); // caret by words, Ctrl+Insert
            return;
        }
        switch (ctrlShortcut(static_cast<char32_t>('A' + (event->key() - Qt::Key_A)))) {
        case Shortcut::SelectAll:
            selectAll();
            break;
        case Shortcut::Copy:
            copy();
            break;
        case Shortcut::Cut:
            cut();
            break;
        case Shortcut::Paste:
            paste();
            break;
        case Shortcut::Undo:
            undo();
            break;
        case Shortcut::None:
            break;
        }
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool control =
        typed.isEmpty() || typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == 0x7f;
    if (control) {
        QLineEdit::keyPressEvent(event); // Backspace, Delete, Enter, Tab, caret keys
        return;
    }
    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    for (int i = 0; i < typed.size(); ++i) {
        if (!acceptsTypedCharacter(typed.at(i).unicode(), position + i, minimum_)) {
            event->accept();
            return;
        }
    }
    // A minus sign goes in even when the digits fill the box: it brings its own place.
    if (typed.contains(u'-'))
        setLimitFor("-" + text().toStdString(), ownerLimit());
    QLineEdit::keyPressEvent(event);
}

} // namespace zorv
