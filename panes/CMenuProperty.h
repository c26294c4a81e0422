#pragma once
// The menu pane "Menu Attribute": the register and its length, the rows per page, the mode of
// operation and the list of items ("Value", "Menu name") under the language tabs, with "Single
// Win Edit" for both languages side by side.

#include <QButtonGroup>
#include <QComboBox>

#include "controls/CNumberEdit.h"
#include "model/records/MenuRecord.h"
#include "model/rules/MenuRules.h"
#include "panes/RecordPane.h"

namespace zorv {

class LanguageTextList;

class CMenuProperty : public RecordPane<MenuRecord> {
    Q_OBJECT
public:
    explicit CMenuProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Menu"); }

    rules::MenuForm form() const;
    LanguageTextList* textList() const { return texts_; }

protected:
    rules::ConfirmResult<MenuRecord> confirm() const override;
    void showRecord() override;

private:
    RegisterGroup* register_;
    QComboBox* length_;
    CNumberEdit* rowsPerPage_;
    QButtonGroup* mode_;
    LanguageTextList* texts_;
};

} // namespace zorv
