#pragma once
// "New Page": number, description (at most 40 typed characters) and mode, Insert preselected;
// Tab goes through them in that order.

#include <QLineEdit>

#include "editor/CPageNumberDlg.h"

namespace zorv {

class CPageNewDlg : public CPageNumberDlg {
    Q_OBJECT
public:
    static constexpr int kMaxDescription = 40;

    CPageNewDlg(int proposed, Prompt& prompt, QWidget* parent = nullptr);
    QString description() const { return description_->text(); }
    QLineEdit* descriptionEdit() const { return description_; }

private:
    QLineEdit* description_;
};

} // namespace zorv
