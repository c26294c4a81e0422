#pragma once
// The one note of a pane that says, beside a field, what became of the value typed into it: a
// number cut to its range ("A bar graph is at least 16 pixels wide: set to 16") or a text that
// could not be taken. Screen readers hear it as an alert and as the field's description.

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <vector>

namespace zorv {

class FieldHint : public QLabel {
    Q_OBJECT
public:
    explicit FieldHint(QWidget* pane);

    // Shows `text` just under `field` (a child of the pane) until clear() or the next say().
    void say(QWidget& field, const QString& text);
    void clear();
    // The field the hint is shown for; nullptr while hidden.
    QWidget* field() const { return field_; }

private:
    QPointer<QWidget> field_;
    QString fieldDescription_; // the field's own description, given back by clear()
};

// How a field names the correction of a typed value into the value shown, for example
// "A D address is at most 8499: set to 8499".
using CorrectionText = std::function<QString(const QString& typed, const QString& shown)>;
void describeCorrection(QWidget& field, CorrectionText describe);
// The field's own description of the correction, else one made from its accessible name.
QString correctionText(const QWidget& field, const QString& typed, const QString& shown);
// Whether the text shown in a field is another value than the one typed ("012" is 12, an empty
// field is 0, as the panes read numbers).
bool correctsTyped(const QString& typed, const QString& shown);

// The texts of a pane's fields as typed, taken before a pane is applied.
struct TypedText {
    QPointer<QLineEdit> field;
    QString text;
};
std::vector<TypedText> typedTexts(QWidget& pane);
// After the pane shows the stored values: the hint names the first field whose value was
// corrected, or goes when it stood for one of these fields and none was.
void sayCorrections(FieldHint& hint, const std::vector<TypedText>& typed);

} // namespace zorv
