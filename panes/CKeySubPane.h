#pragma once
// One of the action sub-panes of the key pane: it shows the fields of its action from a key
// form and writes them back into one.

#include <QGroupBox>
#include <QVBoxLayout>
#include <QWidget>

#include "model/rules/KeyRules.h"

namespace zorv {

class CKeySubPane : public QWidget {
public:
    using QWidget::QWidget;
    virtual void showForm(const rules::KeyForm& form) = 0;
    virtual void takeForm(rules::KeyForm& form) const = 0;

protected:
    // The captioned frame that fills the sub-pane; `title` names the sub-pane too.
    QGroupBox* addFrame(const QString& title) {
        auto* frame = new QGroupBox(title, this);
        (new QVBoxLayout(this))->addWidget(frame);
        setAccessibleName(title);
        return frame;
    }
};

} // namespace zorv
