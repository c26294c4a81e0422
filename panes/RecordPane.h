#pragma once
// What the panes of fixed-size widget records share: the record as loaded (with the position
// the view reports), the working record read from the controls through the kind's confirm rule,
// and applying: the rule's messages in order, the controls refreshed from the corrected record
// (so that a cut number shows the bound used, named by the pane's hint), and recordApplied()
// only when a byte changed. Every field the user gives a value applies the pane at once.

#include <algorithm>

#include "model/rules/ConfirmResult.h"
#include "panes/FieldHint.h"
#include "panes/ImagePaneControls.h"
#include "panes/PaneFields.h"
#include "panes/PropertyPane.h"
#include "panes/RegisterRefFields.h"

namespace zorv {

template <class R> class RecordPane : public PropertyPane {
public:
    // Enter or Return anywhere in the pane applies it.
    explicit RecordPane(QWidget* parent = nullptr) : PropertyPane(parent) {
        addEnterShortcuts(this, [this] { apply(); });
    }

    void loadRecord(std::span<const uint8_t> record, int32_t widgetId) override {
        watchLook();
        hint().clear();
        record_ = R::makeDefault();
        if (record.size() == R::kSize)
            std::copy(record.begin(), record.end(), record_.bytes.begin());
        setWidgetId(widgetId);
        fill();
        showPosition();
    }

    // What the controls give now, corrected silently; the stored record when the rule refuses
    // or nothing was edited.
    std::vector<uint8_t> workingRecord() const override {
        if (!edited() || holdsRefusedName(*this))
            return {record_.bytes.begin(), record_.bytes.end()};
        const rules::ConfirmResult<R> result = confirm();
        const R& r = result.applied ? result.record : record_;
        return {r.bytes.begin(), r.bytes.end()};
    }

    // Controls left as shown keep the record as it is: a rule that is not idempotent (a bar
    // near the right edge cut to 12 pixels would be raised to 16 by a second pass) does not
    // change a record that nobody touched.
    bool apply() override {
        if (!edited())
            return true;
        // A register typed by its tag name shows its address before the fields are read.
        if (!settleRegisterNames(*this, hint()))
            return false;
        const std::vector<TypedText> typed = typedTexts(*this);
        const rules::ConfirmResult<R> result = confirm();
        showMessages(context(), result.messages);
        if (!result.applied)
            return false;
        const bool changed = result.record != record_;
        record_ = result.record;
        fill();
        sayCorrections(hint(), typed);
        applied();
        if (changed)
            emit recordApplied();
        return true;
    }

    void setPosition(int x, int y) override {
        record_.setX(uint16_t(x));
        record_.setY(uint16_t(y));
        showPosition();
    }

    // The record as last loaded or applied.
    const R& record() const { return record_; }

protected:
    // The kind's confirm rule over the record and the controls.
    virtual rules::ConfirmResult<R> confirm() const = 0;
    // Fills the controls from record().
    virtual void showRecord() = 0;
    // After an accepted apply, for the notices of a kind.
    virtual void applied() {}
    // Whether controls left as shown are confirmed all the same: for a kind whose rule completes
    // the record from the controls (a key's symbol text), not only corrects it.
    virtual bool confirmsUntouched() const { return false; }

    void setPositionBox(PositionBox* box) { position_ = box; }
    // An edit that the controls' values do not show (the rows of a text list): the next apply
    // confirms the controls. A list's rows are applied with Enter or the next field given its
    // value, not row by row: a row inserted blank for typing is no state yet.
    void markEdited() { markedEdited_ = true; }

private:
    void fill() {
        filling_ = true;
        showRecord();
        filling_ = false;
        untouched_ = controlValues(*this);
        markedEdited_ = false;
    }
    // Every edit of a control tells the view at once, which draws the widget as the working
    // record would; filling the controls from a record tells nothing. A field given its value
    // applies the pane.
    void watchLook() {
        if (watching_)
            return;
        watching_ = true;
        watchControls(*this, [this] {
            if (!filling_)
                emit lookChanged();
        });
        watchAccepted(*this, accepting_, [this] { acceptField(); });
    }
    // A hidden pane (one the view just left) has been stored already.
    void acceptField() {
        if (filling_ || applying_ || !isVisible())
            return;
        applying_ = true;
        apply();
        applying_ = false;
    }
    // Whether a control holds another value than when the controls were last filled.
    bool edited() const {
        return confirmsUntouched() || markedEdited_ || controlValues(*this) != untouched_;
    }

    void showPosition() {
        if (position_)
            position_->showPosition(record_.x(), record_.y());
    }

    R record_ = R::makeDefault();
    QStringList untouched_; // the values of the controls when last filled
    bool markedEdited_ = false;
    bool filling_ = false;
    bool watching_ = false;
    bool applying_ = false;
    QObject accepting_; // the context of the fields' acceptance, gone before the fields
    PositionBox* position_ = nullptr;
};

} // namespace zorv
