#pragma once
// The pane of several selected widgets: the fields they have in common, each showing the value
// all share or blank where they differ. A field given a value (Enter, Tab, the focus leaving, a
// choice, a spin step, a check box) is set on every selected widget through its kind's own rule,
// and the view stores all of them as one edit: "Move by" moves them all, the register of the
// widgets bound to one register, and the display attributes all their kinds have. A value a rule
// corrects is named beside its field.

#include <QObject>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "model/WidgetNode.h"
#include "model/rules/SharedFields.h"
#include "panes/PropertyPane.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zorv {

class PositionBox;
class RegisterGroup;
class TextAttributesBox;

class CMultiProperty : public PropertyPane {
    Q_OBJECT
public:
    explicit CMultiProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Several"); }
    // Takes the selected widgets' records and the box they span, in display pixels.
    void load(std::vector<WidgetNode> nodes, const rules::SpanBox& box);
    // The records as the last apply left them.
    const std::vector<WidgetNode>& nodes() const { return nodes_; }
    // What Undo calls the last edit: "Move" or "Properties".
    const char* editName() const { return editName_; }

    // A pane of several widgets is loaded by load(); one record leaves it as it is.
    void loadRecord(std::span<const uint8_t>, int32_t) override {}
    bool apply() override;
    std::vector<uint8_t> workingRecord() const override { return {}; }
    // The top-left corner of the selection while it is dragged or nudged.
    void setPosition(int x, int y) override;

    QLineEdit* moveX() const { return moveX_; }
    QLineEdit* moveY() const { return moveY_; }
    RegisterGroup* registerGroup() const { return register_; }
    QCheckBox* look(rules::Look look) const { return looks_[std::size_t(look)]; }

signals:
    // apply() changed records: the view stores nodes() as one edit.
    void recordsApplied();

private:
    void fill();
    rules::SharedEdit editOf() const;
    // Moves every record by as much of the offset as the display leaves room for; that part.
    std::array<int, 2> moveBy(int dx, int dy);

    std::vector<WidgetNode> nodes_;
    rules::SpanBox box_;
    rules::SharedValues shown_; // the values the fields were filled with
    const char* editName_ = "Properties";
    QString addressShown_;
    bool filling_ = false;
    QObject accepting_; // the context of the fields' acceptance, gone before the fields

    QLabel* count_;
    PositionBox* position_;
    QLineEdit* moveX_;
    QLineEdit* moveY_;
    RegisterGroup* register_;
    TextAttributesBox* attributes_;
    std::array<QCheckBox*, rules::kLooks> looks_{};
};

} // namespace zorv
