#pragma once
// The page pane "Page Attribute": description, Up and Down pages and display level of the page
// shown. Each edit reaches the working record at once: a description edit renames the page's
// tree item, a changed page number or level marks the document modified.

#include <QLineEdit>
#include <QSpinBox>

#include "model/CPage.h"
#include "panes/PropertyPane.h"

namespace zorv {

class CPageProperty : public PropertyPane {
    Q_OBJECT
public:
    static constexpr int kMaxTypedDescription = 40;
    static constexpr int kMaxPage = 65535; // page numbers run to 65535

    explicit CPageProperty(QWidget* parent = nullptr);

    QString typeName() const override { return QStringLiteral("Page"); }
    void setContext(const PaneContext& context) override;
    void loadRecord(std::span<const uint8_t> record, int32_t widgetId) override;
    bool apply() override { return true; }
    std::vector<uint8_t> workingRecord() const override;

    // The description in the project's code page, as the working record holds it.
    const std::string& description() const { return working_.description; }

private:
    void descriptionEdited(const QString& text);
    void numberEdited();
    void showWorking();

    PageProperties working_;
    QString lastGoodText_;
    bool loading_ = false;
    QLineEdit* description_;
    QSpinBox* upPage_;
    QSpinBox* downPage_;
    QSpinBox* level_;
    QObject accepting_; // the context of the fields' acceptance, gone before the fields
};

} // namespace zorv
