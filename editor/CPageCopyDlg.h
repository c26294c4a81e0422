#pragma once
// "Copy page": "Copy %d page to:" a number, Cover preselected.

#include "editor/CPageNumberDlg.h"

namespace zorv {

class CPageCopyDlg : public CPageNumberDlg {
    Q_OBJECT
public:
    CPageCopyDlg(int source, int proposed, Prompt& prompt, QWidget* parent = nullptr);
};

} // namespace zorv
