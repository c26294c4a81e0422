#pragma once
// A number box with a range: a minimum (signed 32-bit) and a maximum (unsigned 32-bit). It takes
// only digits, and a minus sign at the start when the minimum is negative; once the text reaches
// the box's length limit (QLineEdit::maxLength, one more while the text carries a minus sign), a
// value outside the range is replaced by the nearer bound.

#include <QLineEdit>
#include <cstdint>
#include <string>

namespace zorv {

class CNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CNumberEdit(QWidget* parent = nullptr);

    void setRange(int32_t minimum, uint32_t maximum);
    int32_t minimum() const { return minimum_; }
    uint32_t maximum() const { return maximum_; }

    // The value of the text (0 for an empty text or a lone minus sign).
    int64_t value() const;
    void setValue(int64_t value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyRules();
    // The length limit the owner set (QLineEdit::maxLength unless this box raised it).
    int ownerLimit();
    void setLimitFor(const std::string& text, int ownerLimit);

    int32_t minimum_ = 0;
    uint32_t maximum_ = UINT32_MAX;
    bool applying_ = false;
    int ownerLimit_ = 32767;
    int raisedLimit_ = -1;
};

} // namespace zorv
