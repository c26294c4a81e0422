#include "panes/CMultiProperty.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Bytes.h"
#include "panes/FieldHint.h"
#include "panes/ImagePaneControls.h"
#include "panes/PaneFields.h"
#include "panes/TextAttributesBox.h"

namespace zorv {

namespace {

constexpr const char* kLookNames[rules::kLooks] = {"doubleSize", "inverted", "border", "virtual",
                                                   "flashing"};

// The letters the register list offers: those of every selected kind. The kinds offer D and M,
// M alone (a key's coil) or D, M, X and Y (lights only), so these three lists cover them all.
void offerTypes(RegisterGroup& group, const std::vector<RegisterType>& types) {
    const auto has = [&](RegisterType t) {
        return std::find(types.begin(), types.end(), t) != types.end();
    };
    if (has(RegisterType::X))
        group.setTypes({RegisterType::D, RegisterType::M, RegisterType::X, RegisterType::Y});
    else if (has(RegisterType::D))
        group.setTypes({RegisterType::D, RegisterType::M});
    else
        group.setTypes({RegisterType::M});
}

QLineEdit* offsetField(const QString& accessibleName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setAccessibleName(accessibleName);
    field->setValidator(new QIntValidator(-999, 999, field));
    field->setMaximumWidth(56);
    return field;
}

} // namespace

CMultiProperty::CMultiProperty(QWidget* parent) : PropertyPane(parent) {
    auto* frame = new QGroupBox(tr("Several Widgets"), this);
    count_ = new QLabel(frame);
    count_->setObjectName(QStringLiteral("selectedCount"));
    position_ = new PositionBox(frame);

    auto* move = new QGroupBox(tr("Move by"), frame);
    moveX_ = offsetField(tr("Move by X"), move);
    moveY_ = offsetField(tr("Move by Y"), move);
    auto* moveGrid = new QGridLayout(move);
    addLabelled(moveGrid, 0, 0, tr("X:"), moveX_);
    addLabelled(moveGrid, 0, 2, tr("Y:"), moveY_);

    register_ = new RegisterGroup({RegisterType::D, RegisterType::M}, tr("Register"), tr("ADDR:"),
                                  RegisterGroup::Arrangement::Row, frame);
    // Blank while the stations differ.
    register_->station()->setMinimum(0);
    register_->station()->setSpecialValueText(QStringLiteral(" "));

    attributes_ = new TextAttributesBox(frame);
    for (int i = 0; i < rules::kLooks; ++i) {
        QCheckBox* box = attributes_->findChild<QCheckBox*>(QString::fromLatin1(kLookNames[i]));
        looks_[std::size_t(i)] = box;
        // A box shown half set while the widgets differ is set or cleared by the first click.
        connect(box, &QCheckBox::clicked, this, [this, box] {
            box->setTristate(false);
            if (!filling_ && isVisible())
                apply();
        });
    }

    auto* grid = new QGridLayout(frame);
    grid->addWidget(count_, 0, 0, 1, 3);
    grid->addWidget(position_, 1, 0, Qt::AlignTop);
    grid->addWidget(move, 1, 1, Qt::AlignTop);
    grid->addWidget(register_, 2, 0, 1, 3, Qt::AlignLeft);
    grid->addWidget(attributes_, 3, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setAccessibleName(tr("Several Widgets"));

    addEnterShortcuts(this, [this] { apply(); });
    watchAccepted(*this, accepting_, [this] {
        if (!filling_ && isVisible())
            apply();
    });
}

void CMultiProperty::load(std::vector<WidgetNode> nodes, const rules::SpanBox& box) {
    nodes_ = std::move(nodes);
    box_ = box;
    hint().clear();
    fill();
}

void CMultiProperty::setPosition(int x, int y) {
    position_->showPosition(x, y);
}

void CMultiProperty::fill() {
    filling_ = true;
    const rules::SharedFields fields = rules::sharedFieldsOf(nodes_);
    shown_ = rules::sharedValuesOf(nodes_);
    count_->setText(tr("%n widgets selected", nullptr, int(nodes_.size())));
    position_->showPosition(box_.x, box_.y);
    moveX_->setText(QStringLiteral("0"));
    moveY_->setText(QStringLiteral("0"));

    register_->setVisible(fields.hasRegister());
    if (fields.hasRegister()) {
        offerTypes(*register_, fields.types);
        rules::AddressForm form;
        form.station = std::to_string(shown_.station.value_or(1));
        form.type = shown_.type.value_or(uint8_t(fields.types.front()));
        if (shown_.type && shown_.address)
            form.address = formatAddress(*shown_.type, *shown_.address);
        register_->showForm(form);
        if (!shown_.station)
            register_->station()->setValue(0);
        // A letter that one of the kinds does not offer (a key's coil is an M bit) shows blank.
        const bool offered =
            shown_.type && std::find(fields.types.begin(), fields.types.end(),
                                     RegisterType(*shown_.type)) != fields.types.end();
        if (!offered) {
            const QSignalBlocker quiet(register_->type());
            register_->type()->setCurrentIndex(-1);
        }
        addressShown_ = register_->address()->text();
    }

    bool anyLook = false;
    for (int i = 0; i < rules::kLooks; ++i) {
        QCheckBox* box = looks_[std::size_t(i)];
        const std::optional<bool>& value = shown_.looks[std::size_t(i)];
        box->setVisible(fields.looks[std::size_t(i)]);
        box->setTristate(!value);
        box->setCheckState(!value ? Qt::PartiallyChecked : *value ? Qt::Checked : Qt::Unchecked);
        anyLook = anyLook || fields.looks[std::size_t(i)];
    }
    attributes_->setVisible(anyLook);
    filling_ = false;
}

rules::SharedEdit CMultiProperty::editOf() const {
    rules::SharedEdit edit;
    if (register_->isVisibleTo(this)) {
        const int station = register_->station()->value();
        if (station != 0 && shown_.station != station)
            edit.station = std::to_string(station);
        if (register_->type()->currentIndex() >= 0) {
            const uint8_t type = register_->form().type;
            if (shown_.type != type)
                edit.type = type;
        }
        const QString address = register_->address()->text();
        if (!address.isEmpty() && address != addressShown_)
            edit.address = address.toStdString();
    }
    for (int i = 0; i < rules::kLooks; ++i) {
        const QCheckBox* box = looks_[std::size_t(i)];
        if (!box->isVisibleTo(this) || box->checkState() == Qt::PartiallyChecked)
            continue;
        const bool set = box->checkState() == Qt::Checked;
        if (shown_.looks[std::size_t(i)] != set)
            edit.looks[std::size_t(i)] = set;
    }
    return edit;
}

std::array<int, 2> CMultiProperty::moveBy(int dx, int dy) {
    const std::array<int, 2> kept = rules::keptOffset(box_, dx, dy);
    if (kept[0] == 0 && kept[1] == 0)
        return kept;
    for (WidgetNode& node : nodes_) {
        if (node.record.size() < 6)
            continue;
        uint8_t* at = node.record.data();
        le::putU16(at + 2, uint16_t(le::u16(at + 2) + kept[0]));
        le::putU16(at + 4, uint16_t(le::u16(at + 4) + kept[1]));
    }
    box_.x += kept[0];
    box_.y += kept[1];
    return kept;
}

bool CMultiProperty::apply() {
    if (filling_ || nodes_.empty())
        return true;
    const rules::SharedEdit edit = editOf();
    const int dx = moveX_->text().toInt(), dy = moveY_->text().toInt();
    if (edit.empty() && dx == 0 && dy == 0)
        return true;
    const std::vector<TypedText> typedAddress{{register_->address(), register_->address()->text()}};

    std::vector<std::string> messages;
    bool changed = false;
    for (WidgetNode& node : nodes_) {
        rules::ConfirmResult<std::vector<uint8_t>> result = rules::applySharedEdit(node, edit);
        // Three widgets cut alike say it once.
        for (const std::string& message : result.messages)
            if (std::find(messages.begin(), messages.end(), message) == messages.end())
                messages.push_back(message);
        if (result.applied && result.record != node.record) {
            node.record = std::move(result.record);
            changed = true;
        }
    }
    const std::array<int, 2> kept = moveBy(dx, dy);
    const bool moved = kept[0] != 0 || kept[1] != 0;
    editName_ = changed ? "Properties" : "Move";
    showMessages(context(), messages);
    fill();

    // The offset the display had no room for, else the address a rule cut.
    if (kept[0] != dx || kept[1] != dy) {
        QLineEdit* field = kept[0] != dx ? moveX_ : moveY_;
        hint().say(*field, tr("The widgets reach the edge of the display: moved by %1")
                               .arg(kept[0] != dx ? kept[0] : kept[1]));
    } else if (edit.address && !register_->address()->text().isEmpty()) {
        sayCorrections(hint(), typedAddress);
    } else {
        hint().clear();
    }
    if (changed || moved)
        emit recordsApplied();
    return true;
}

} // namespace zorv
