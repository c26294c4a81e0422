#pragma once
// The dynamic text pane "Dynamic text properties": the register whose value chooses the text,
// the five characteristics and the list of states ("Numerical", "Content") under the language
// tabs, with "Single Win Edit" for both languages side by side.

#include "model/records/DynamicTextRecord.h"
#include "model/rules/DynamicTextRules.h"
#include "panes/RecordPane.h"

namespace zorv {

class LanguageTextList;
class TextAttributesBox;

class CDynTextProperty : public RecordPane<DynamicTextRecord> {
    Q_OBJECT
public:
    explicit CDynTextProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("DynamicText"); }
    bool apply() override;

    rules::DynamicTextForm form() const;
    LanguageTextList* textList() const { return texts_; }

protected:
    rules::ConfirmResult<DynamicTextRecord> confirm() const override;
    void showRecord() override;

private:
    RegisterGroup* register_;
    TextAttributesBox* attributes_;
    LanguageTextList* texts_;
};

} // namespace zorv
