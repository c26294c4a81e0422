#pragma once
// "Copy page": "Copy %d page to:" a number, Cover preselected. Beyond the plain copy it copies
// a set of pages (the source with the pages named beside it) several times, each copy with its
// registers shifted per family, as for the stations of a machine; the choice then places the
// copies on free numbers and the Insert and Cover modes step aside.

#include <QList>

#include "editor/CPageNumberDlg.h"

class QGroupBox;
class QLabel;
class QSpinBox;

namespace zorv {

class CPageCopyDlg : public CPageNumberDlg {
    Q_OBJECT
public:
    CPageCopyDlg(int source, int proposed, Prompt& prompt, QWidget* parent = nullptr);

    // The copy asked for; the pages beside the source as accepted.
    PageChoice choice() const;
    void accept() override;

    QLineEdit* withPagesBox() const { return withPages_; }
    QSpinBox* copiesBox() const { return copies_; }
    QGroupBox* shiftGroup() const { return shift_; }
    // The offset of a family: "D", "M", "X" or "Y".
    QSpinBox* shiftBox(const QString& family) const;
    QLabel* summary() const { return summary_; }

private:
    void update();
    // The set's pages beside the source, or nothing (with the reason) for an unreadable list.
    std::optional<std::vector<uint16_t>> withPages(std::string& message) const;

    Prompt& prompt_;
    int source_;
    QLineEdit* withPages_;
    QSpinBox* copies_;
    QGroupBox* shift_;
    QList<QSpinBox*> offsets_;
    QLabel* summary_;
};

} // namespace zorv
