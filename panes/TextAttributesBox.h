#pragma once
// "Characteristic" of the static and dynamic text panes: the five check boxes of the display
// attribute byte.

#include <QCheckBox>
#include <QGroupBox>

#include "model/rules/TextRules.h"

namespace zorv {

class TextAttributesBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TextAttributesBox(QWidget* parent);

    void showForm(const rules::TextAttributesForm& form);
    rules::TextAttributesForm form() const;
    QCheckBox* doubleSize() const { return doubleSize_; }

private:
    QCheckBox* doubleSize_;
    QCheckBox* inverted_;
    QCheckBox* border_;
    QCheckBox* virtual_;
    QCheckBox* flashing_;
};

} // namespace zorv
