#include "editor/CPageCopyDlg.h"

#include <QFormLayout>
#include <QLabel>

#include "model/EditorViewRules.h"

namespace zorv {

CPageCopyDlg::CPageCopyDlg(int source, int proposed, Prompt& prompt, QWidget* parent)
    : CPageNumberDlg(tr("Copy page"), proposed, PlaceMode::Cover, prompt, parent) {
    form()->insertRow(0, new QLabel(QString::fromStdString(copyPageLabel(source)), this));
}

} // namespace zorv
