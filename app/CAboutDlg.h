#pragma once
// "About ZorvEditor": the application's icon, its version line and OK.

#include <QDialog>

namespace zorv {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace zorv
