#pragma once
// The fields that the bar and trend panes share: the register with its number of registers,
// the number mode, the size in pixels and the full- and zero-scale values. Each pane lays them
// out with its own fields.

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QObject>

#include "controls/CNumberEdit.h"
#include "model/rules/ScaleRules.h"
#include "panes/NumberModeRow.h"
#include "panes/RegisterRefRow.h"

namespace zorv {

class ChartFields : public QObject {
    Q_OBJECT
public:
    explicit ChartFields(QWidget* parent);

    RegisterRefRow* reg() const { return reg_; }
    QComboBox* count() const { return count_; }
    NumberModeRow* mode() const { return mode_; }
    CNumberEdit* width() const { return width_; }
    CNumberEdit* height() const { return height_; }
    CNumberEdit* fullScale() const { return fullScale_; }
    CNumberEdit* zeroScale() const { return zeroScale_; }

    // The "Size" group with "Wide:" and "High:".
    QGroupBox* sizeBox(QWidget* parent) const;
    // The register, "Register No.:" and the number mode, one line each.
    void addRegisterLines(QBoxLayout* column, QWidget* parent) const;
    // The empty "Display" group that holds the scale line and the kind's own fields.
    QGroupBox* displayBox(QWidget* parent) const;
    // "full-scale value :" and "zero-scale value:" on one line.
    QHBoxLayout* scaleLine(QWidget* parent) const;

    void showScale(const rules::ScaleForm& form);
    rules::ScaleForm scale() const;
    void showSize(const std::string& width, const std::string& height);
    // Names the corrections of "Wide:" and "High:" for the kind, "A bar graph" or "A trend chart".
    void describeSizes(const QString& kind);

private:
    RegisterRefRow* reg_;
    QComboBox* count_;
    NumberModeRow* mode_;
    CNumberEdit* width_;
    CNumberEdit* height_;
    CNumberEdit* fullScale_;
    CNumberEdit* zeroScale_;
};

} // namespace zorv
