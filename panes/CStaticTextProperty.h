#pragma once
// The static text pane "Static Text  Attribute": the five characteristics and one list row with
// the texts of both languages. A text edit shows on the canvas at once; double size with a text
// above 12 cells is refused on confirming and the box is switched off again. A typed text the
// panel cannot hold stays in its cell, not stored, with the reason beside the list.

#include <QString>
#include <string>

#include "model/records/StaticTextRecord.h"
#include "model/rules/StaticTextRules.h"
#include "panes/RecordPane.h"
#include "panes/TypedCellText.h"

namespace zorv {

class CEditListCtrl;
class TextAttributesBox;

class CStaticTextProperty : public RecordPane<StaticTextRecord> {
    Q_OBJECT
public:
    explicit CStaticTextProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("StaticText"); }
    bool apply() override;
    std::string displayText() const override;

    rules::StaticTextForm form() const;

protected:
    rules::ConfirmResult<StaticTextRecord> confirm() const override;
    void showRecord() override;

private:
    void showTexts();
    void cellChanged(int row, int column);

    std::string text_[2]; // code-page bytes of the list row
    RefusedCell refused_; // a text typed but not stored, kept in its cell
    TextAttributesBox* attributes_;
    CEditListCtrl* texts_;
};

} // namespace zorv
