#pragma once
// The text list of the dynamic text, menu and alarm-list panes: a tab bar "Language1",
// "Language2" over a list of value and text, the text of the chosen tab's language; and the
// button "Single Win Edit" that opens "Multi Language Editing" on the widget's table. Texts are
// shown as Unicode and kept as code-page bytes; a cell that GB2312 cannot hold, or that is longer
// than 24 bytes, is not stored and keeps the typed text, with the reason beside the list.

#include <QPushButton>
#include <QTabBar>
#include <functional>
#include <vector>

#include "image/LanguageTexts.h"
#include "model/rules/ChoiceTableRules.h"
#include "panes/TypedCellText.h"

namespace zorv {

class CEditListCtrl;
class FileChooser;
class PropertyPane;

class LanguageTextList : public QWidget {
    Q_OBJECT
public:
    // Runs "Multi Language Editing" on the table; true when it was confirmed with "OK".
    using DialogRunner = std::function<bool(LanguageTable& table, LanguageTableKind kind,
                                            Prompt& prompt, FileChooser& files, QWidget* parent)>;

    // The prompt and file chooser are those of `pane`'s context at the time of use.
    LanguageTextList(const QString& valueTitle, const QString& textTitle, PropertyPane& pane,
                     QWidget* parent);

    // Typed numbers in the value column, or values that are only shown (the alarm coils).
    void setValuesEditable(bool editable);

    void showRows(std::vector<rules::ChoiceRow> rows);
    // Rows that replace the user's, as an edit of the list (after "Single Win Edit").
    void refill(std::vector<rules::ChoiceRow> rows);
    const std::vector<rules::ChoiceRow>& rows() const { return rows_; }
    // The value cells, as the owner computes them (alarm coils).
    void showValues(const std::vector<std::string>& values);
    // 0 for the "Language1" tab, 1 for "Language2".
    int language() const;

    bool runDialog(LanguageTable& table, LanguageTableKind kind);
    void setDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

    CEditListCtrl* list() const { return list_; }
    QTabBar* tabs() const { return tabs_; }
    QPushButton* singleWinEdit() const { return singleWinEdit_; }

signals:
    // A cell was taken, or a row inserted or deleted.
    void rowsEdited();
    void singleWinEditClicked();

private:
    void showAll();
    void cellChanged(int row, int column);
    void forgetRefused();

    PropertyPane& pane_;
    std::vector<rules::ChoiceRow> rows_;
    RefusedCell refused_; // a text typed but not stored, kept in its cell
    int refusedLanguage_ = 0;
    bool valuesEditable_ = true;
    DialogRunner runner_;
    QTabBar* tabs_;
    CEditListCtrl* list_;
    QPushButton* singleWinEdit_;
};

// "Single Win Edit" of a dynamic text or menu: the list's rows as the record's table (values cut
// to 0..maxValue), edited in "Multi Language Editing", and the list refilled after "OK".
template <class R>
void editChoiceTable(LanguageTextList& list, R record, LanguageTableKind kind, int64_t maxValue) {
    rules::applyChoiceRows(record, list.rows(), maxValue);
    LanguageTable table = languageTableOf(record);
    if (!list.runDialog(table, kind))
        return;
    storeLanguageTable(table, record);
    list.refill(rules::choiceRowsOf(record));
}

} // namespace zorv
