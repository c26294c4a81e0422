#include "app/CAboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppIdentity.h"

namespace zorv {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About ZorvEditor"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    icon->setAccessibleName(tr("Application icon"));
    auto* version = new QLabel(QString::fromUtf8(kVersionLine), this);
    auto* note =
        new QLabel(tr("Screens of the 192 x 64 operator panel, from page to download."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(note);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedWidth(360);
}

} // namespace zorv
