#include "panes/RegisterRefFields.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QRegularExpression>
#include <QStringListModel>
#include <QValidator>
#include <algorithm>

#include "model/RegisterName.h"
#include "model/rules/NumberEntry.h"
#include "model/tags/TagTable.h"
#include "panes/FieldHint.h"
#include "panes/PaneFields.h"
#include "panes/PropertyPane.h"

namespace zorv {

namespace {

// Room for one digit beyond every range, so that a typed value too large is cut with its
// message rather than refused key by key: four octal digits let 400 be typed and cut to 377.
const QRegularExpression kOctalAddress(QStringLiteral("\\A[0-7]{0,4}\\z"));
const QRegularExpression kDecimalAddress(QStringLiteral("\\A[0-9]{0,5}\\z"));

// Digits (and spaces, which no address takes) are an address; anything else is a name.
bool isAddressText(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || c == u' '; });
}

QString offeredLetters(const std::vector<RegisterType>& types) {
    QStringList letters;
    for (RegisterType t : types)
        letters << QString::fromLatin1(registerLetter(uint8_t(t)));
    if (letters.size() < 2)
        return letters.join(QString());
    const QString last = letters.takeLast();
    return letters.join(QStringLiteral(", ")) + QObject::tr(" and ") + last;
}

} // namespace

// Address digits of the chosen letter's form, or a name of at most a tag name's length.
class AddressOrNameValidator : public QValidator {
public:
    explicit AddressOrNameValidator(QObject* parent) : QValidator(parent) {}
    void setOctal(bool octal) { octal_ = octal; }
    State validate(QString& text, int&) const override {
        if (!isAddressText(text))
            return text.trimmed().toUtf8().size() <= qsizetype(kMaxTagNameBytes) ? Acceptable
                                                                                 : Invalid;
        return (octal_ ? kOctalAddress : kDecimalAddress).match(text).hasMatch() ? Acceptable
                                                                                 : Invalid;
    }

private:
    bool octal_ = false;
};

RegisterRefFields::RegisterRefFields(std::initializer_list<RegisterType> offered,
                                     const Names& names, QWidget* parent)
    : types_(offered) {
    station_ = new SpinField(parent);
    station_->setRange(1, 255);
    station_->setAccessibleName(names.station);
    type_ = new QComboBox(parent);
    fillTypes();
    type_->setAccessibleName(names.type);
    address_ = new RegisterAddressEdit(*this, parent);
    address_->setAccessibleName(names.address);
    validator_ = new AddressOrNameValidator(address_);
    address_->setValidator(validator_);
    completions_ = new QStringListModel(address_);
    auto* completer = new QCompleter(completions_, address_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    address_->setCompleter(completer);
    tag_ = new QLabel(parent);
    tag_->setObjectName(QStringLiteral("registerTag"));
    tag_->setAccessibleName(QObject::tr("Tag"));
    // Set apart from the labels of the fields around it: a name, not a caption.
    QFont italic = tag_->font();
    italic.setItalic(true);
    tag_->setFont(italic);
    QPalette colours = tag_->palette();
    colours.setColor(QPalette::WindowText, QColor(0x10, 0x40, 0x90));
    tag_->setPalette(colours);
    tag_->hide();
    QObject::connect(type_, &QComboBox::currentIndexChanged, type_, [this] {
        typeChosen();
        showTag();
    });
    QObject::connect(station_, &QSpinBox::valueChanged, station_, [this] { showTag(); });
    QObject::connect(address_, &QLineEdit::textChanged, address_, [this] { showTag(); });
    QObject::connect(address_, &QLineEdit::textEdited, address_,
                     [this](const QString& typed) { offerCompletions(typed); });
    // An address is only ever cut to the last one of its register letter.
    describeCorrection(*address_, [this](const QString&, const QString& shown) {
        const uint8_t type = form().type;
        if (isOctalAddressType(type))
            return QString::fromUtf8(kAddressOctalLimitMessage);
        return QObject::tr("A %1 address is at most %2: set to %2")
            .arg(QString::fromLatin1(registerLetter(type)), shown);
    });
}

void RegisterRefFields::setTypes(std::initializer_list<RegisterType> types) {
    const rules::AddressForm shown = form();
    types_.assign(types);
    {
        const QSignalBlocker blocker(type_);
        fillTypes();
    }
    showForm(shown);
}

void RegisterRefFields::fillTypes() {
    type_->clear();
    for (RegisterType t : types_)
        type_->addItem(QString::fromLatin1(registerLetter(uint8_t(t))));
}

void RegisterRefFields::showForm(const rules::AddressForm& form) {
    station_->setValue(int(rules::typedNumber(form.station, 1, 255)));
    const auto it = std::find(types_.begin(), types_.end(), RegisterType(form.type));
    {
        const QSignalBlocker blocker(type_);
        type_->setCurrentIndex(it == types_.end() ? 0 : int(it - types_.begin()));
    }
    typeChosen();
    address_->setText(QString::fromStdString(form.address));
    showTag();
}

rules::AddressForm RegisterRefFields::form() const {
    if (const std::optional<RegisterRef> named = namedRegister(); named && offers(named->type))
        return rules::addressFormOf(*named);
    rules::AddressForm form;
    form.station = std::to_string(station_->value());
    const int index = type_->currentIndex();
    if (index >= 0 && std::size_t(index) < types_.size())
        form.type = uint8_t(types_[std::size_t(index)]);
    form.address = address_->text().toStdString();
    return form;
}

QString RegisterRefFields::refusal() const {
    if (!holdsName())
        return {};
    const std::optional<RegisterRef> named = namedRegister();
    const QString typed = address_->text().trimmed();
    if (!named)
        return QObject::tr("No tag is named \"%1\"").arg(typed);
    if (offers(named->type))
        return {};
    const QString reg = QString::fromStdString(registerText(*named));
    const QString what = typed.compare(reg, Qt::CaseInsensitive) == 0
                             ? reg
                             : QStringLiteral("\"%1\" (%2)").arg(typed, reg);
    return QObject::tr("%1: this field takes %2 registers only").arg(what, offeredLetters(types_));
}

void RegisterRefFields::settleName() {
    if (!holdsName() || !refusal().isEmpty())
        return;
    showForm(form());
    // The name is taken: its completions are done with.
    address_->completer()->popup()->hide();
}

void RegisterRefFields::typeChosen() {
    validator_->setOctal(isOctalAddressType(form().type));
    // A decimal address with the digits 8 or 9 has no octal reading.
    QString text = address_->text();
    int at = 0;
    if (validator_->validate(text, at) != QValidator::Acceptable)
        address_->setText(QStringLiteral("0"));
}

const TagTable* RegisterRefFields::tags() const {
    for (const QWidget* w = address_->parentWidget(); w; w = w->parentWidget())
        if (const auto* pane = qobject_cast<const PropertyPane*>(w))
            return pane->context().tags;
    return nullptr;
}

bool RegisterRefFields::holdsName() const {
    return !isAddressText(address_->text());
}

std::optional<RegisterRef> RegisterRefFields::namedRegister() const {
    if (!holdsName())
        return std::nullopt;
    const std::string typed = address_->text().toStdString();
    const TagTable* table = tags();
    return table ? table->resolve(typed) : parseRegisterText(typed);
}

bool RegisterRefFields::offers(uint8_t type) const {
    return std::find(types_.begin(), types_.end(), RegisterType(type)) != types_.end();
}

std::optional<RegisterRef> RegisterRefFields::shownRegister() const {
    if (holdsName())
        return namedRegister();
    const rules::AddressForm shown = form();
    bool ok = false;
    const uint address =
        address_->text().trimmed().toUInt(&ok, isOctalAddressType(shown.type) ? 8 : 10);
    if (!ok || address > 0xFFFF)
        return std::nullopt;
    return RegisterRef{uint8_t(station_->value()), shown.type, uint16_t(address)};
}

void RegisterRefFields::showTag() {
    const TagTable* table = tags();
    const std::optional<RegisterRef> reg = table ? shownRegister() : std::nullopt;
    const Tag* tag = reg ? table->tagOf(*reg) : nullptr;
    tag_->setText(tag ? QString::fromStdString(tag->name) : QString());
    tag_->setToolTip(tag ? QString::fromStdString(tag->comment) : QString());
    tag_->setVisible(tag != nullptr);
}

void RegisterRefFields::offerCompletions(const QString& typed) {
    QStringList names;
    if (const TagTable* table = tags(); table && !isAddressText(typed))
        for (const Tag* tag : table->completions(typed.trimmed().toStdString()))
            names << QString::fromStdString(tag->name);
    completions_->setStringList(names);
    // The names whole, however narrow the address box.
    int widest = 0;
    for (const QString& name : names)
        widest = std::max(widest, address_->fontMetrics().horizontalAdvance(name));
    address_->completer()->popup()->setMinimumWidth(widest + 32);
}

namespace {

QList<RegisterAddressEdit*> shownAddressEdits(const QWidget& pane) {
    QList<RegisterAddressEdit*> shown;
    for (RegisterAddressEdit* edit : pane.findChildren<RegisterAddressEdit*>())
        if (edit->isVisibleTo(&pane))
            shown << edit;
    return shown;
}

} // namespace

bool settleRegisterNames(QWidget& pane, FieldHint& hint) {
    for (RegisterAddressEdit* edit : shownAddressEdits(pane)) {
        if (const QString refusal = edit->fields().refusal(); !refusal.isEmpty()) {
            hint.say(*edit, refusal);
            return false;
        }
    }
    for (RegisterAddressEdit* edit : shownAddressEdits(pane))
        edit->fields().settleName();
    return true;
}

bool holdsRefusedName(const QWidget& pane) {
    const QList<RegisterAddressEdit*> edits = shownAddressEdits(pane);
    return std::any_of(edits.begin(), edits.end(), [](const RegisterAddressEdit* edit) {
        return !edit->fields().refusal().isEmpty();
    });
}

} // namespace zorv
