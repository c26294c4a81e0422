#pragma once
// The tip of the day: a white tip area with the light bulb, the heading "Did you know..." and
// one tip from the tips file of the system's language; "Next" shows the following tip, the box
// "Boot time display" decides whether the dialog comes up at start-up.

#include <QDialog>
#include <QLocale>
#include <filesystem>

#include "app/TipFile.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace zorv {

class Paths;
class Registry;

class CTipDlg : public QDialog {
    Q_OBJECT
public:
    // The tips file is chosen by `locale` ("Tips.tip" for Chinese of the PRC) in the program
    // folder.
    CTipDlg(Registry& registry, const Paths& paths, const QLocale& locale = QLocale::system(),
            QWidget* parent = nullptr);
    CTipDlg(Registry& registry, const std::filesystem::path& tipsFile, QWidget* parent = nullptr);

    // Whether the dialog is shown at start-up.
    static bool showAtStartUp(const Registry& registry) { return tipAtStartUp(registry); }
    static bool isChinesePrc(const QLocale& locale);

    void accept() override;
    // Every way of closing ends here: the position of the next tip is stored.
    void done(int result) override;

private:
    void showTip();

    Registry& registry_;
    TipFile tips_;
    QLabel* tipText_;
    QCheckBox* bootDisplay_;
    QPushButton* next_;
};

} // namespace zorv
