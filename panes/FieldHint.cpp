#include "panes/FieldHint.h"

#include <QAccessible>
#include <algorithm>

#include "panes/PaneFields.h"

namespace zorv {

namespace {

// Holds a field's CorrectionText as a child of the field, so that it goes with the field.
class CorrectionNote : public QObject {
public:
    CorrectionNote(QWidget& field, CorrectionText describe)
        : QObject(&field), describe_(std::move(describe)) {
        setObjectName(kName);
    }
    // Found by its name: without a meta-object of its own, a cast cannot tell it from the
    // field's other children.
    static CorrectionNote* of(const QWidget& field) {
        return dynamic_cast<CorrectionNote*>(
            field.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
    }
    QString text(const QString& typed, const QString& shown) const {
        return describe_(typed, shown);
    }

private:
    static constexpr const char* kName = "correctionNote";
    CorrectionText describe_;
};

} // namespace

FieldHint::FieldHint(QWidget* pane) : QLabel(pane) {
    setObjectName(QStringLiteral("fieldHint"));
    setAccessibleName(tr("Correction"));
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC2));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setMargin(2);
    hide();
}

void FieldHint::say(QWidget& field, const QString& text) {
    if (field_ != &field) {
        clear();
        field_ = &field;
        fieldDescription_ = field.accessibleDescription();
    }
    setText(text);
    field.setAccessibleDescription(text);
    // Under the field, or over its top where the pane ends below it (a list at the pane's
    // foot); kept inside the pane, whose width is all it may take.
    QWidget* pane = parentWidget();
    const QPoint top = field.mapTo(pane, QPoint(0, 0));
    const int width = std::max(40, std::min(sizeHint().width(), pane->width() - 4));
    const int height = std::max(heightForWidth(width), sizeHint().height());
    const int x = std::clamp(top.x(), 2, std::max(2, pane->width() - width - 2));
    int y = top.y() + field.height() + 1;
    if (y + height > pane->height())
        y = std::max(0, top.y() - height - 1);
    setGeometry(x, y, width, height);
    raise();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void FieldHint::clear() {
    if (field_)
        field_->setAccessibleDescription(fieldDescription_);
    field_ = nullptr;
    fieldDescription_.clear();
    hide();
}

void describeCorrection(QWidget& field, CorrectionText describe) {
    delete CorrectionNote::of(field);
    new CorrectionNote(field, std::move(describe));
}

QString correctionText(const QWidget& field, const QString& typed, const QString& shown) {
    if (const CorrectionNote* note = CorrectionNote::of(field))
        return note->text(typed, shown);
    return QObject::tr("%1 is kept to its range: set to %2").arg(field.accessibleName(), shown);
}

bool correctsTyped(const QString& typed, const QString& shown) {
    const auto number = [](const QString& text, bool* ok) {
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty()) {
            *ok = true;
            return 0LL;
        }
        return trimmed.toLongLong(ok);
    };
    bool typedOk = false, shownOk = false;
    const long long a = number(typed, &typedOk);
    const long long b = number(shown, &shownOk);
    if (typedOk && shownOk)
        return a != b;
    return typed.trimmed() != shown.trimmed();
}

std::vector<TypedText> typedTexts(QWidget& pane) {
    std::vector<TypedText> typed;
    for (QLineEdit* field : ownTextFields(pane))
        typed.push_back({field, field->text()});
    return typed;
}

void sayCorrections(FieldHint& hint, const std::vector<TypedText>& typed) {
    for (const TypedText& t : typed) {
        if (t.field && correctsTyped(t.text, t.field->text())) {
            hint.say(*t.field, correctionText(*t.field, t.text, t.field->text()));
            return;
        }
    }
    const bool stoodForTyped = std::any_of(typed.begin(), typed.end(), [&](const TypedText& t) {
        return t.field && t.field == hint.field();
    });
    if (stoodForTyped)
        hint.clear();
}

} // namespace zorv
