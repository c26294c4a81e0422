#pragma once
// The basic pane of a widget kind that has no pane of its own: it names the kind, shows the
// position and keeps the record as it was loaded, with the position the view reports.

#include <QLabel>
#include <QLineEdit>

#include "panes/PropertyPane.h"

namespace zorv {

class CWidgetProperty : public PropertyPane {
    Q_OBJECT
public:
    CWidgetProperty(QString typeName, QWidget* parent = nullptr);

    QString typeName() const override { return typeName_; }
    void loadRecord(std::span<const uint8_t> record, int32_t widgetId) override;
    bool apply() override { return true; }
    std::vector<uint8_t> workingRecord() const override { return record_; }
    void setPosition(int x, int y) override;

private:
    void showPosition();

    QString typeName_;
    std::vector<uint8_t> record_;
    QLineEdit* x_;
    QLineEdit* y_;
};

} // namespace zorv
