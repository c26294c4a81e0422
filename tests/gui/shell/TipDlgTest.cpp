// The tip of the day dialog. Guards against: the tips file of the wrong language; the box
// "Boot time display" not showing or not storing the inverse of "StartUp"; a position lost when
// the dialog is closed without OK; "Next" left enabled without a tips file; the light bulb
// missing because the library's resources were never registered.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/CTipDlg.h"
#include "platform/Paths.h"
#include "platform/Registry.h"

namespace fs = std::filesystem;
using namespace zorv;

namespace {

QString tipShown(const CTipDlg& dialog) {
    return dialog.findChild<QLabel*>("tipText")->text();
}

QPushButton* button(const CTipDlg& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

class TipDlgTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        const fs::path program(dir_->path().toStdString());
        paths_ = std::make_unique<FixedPaths>(program, program, program);
        std::ofstream(program / "Tips.tip", std::ios::binary) << "中文提示\r\n";
        std::ofstream(program / "Tips_en.tip", std::ios::binary)
            << "; tips\r\nFirst tip\r\nSecond tip\r\n";
        registry_ = MemoryRegistry();
    }

    void readsFileOfSystemLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Chinese, PRC") << QLocale(QLocale::Chinese, QLocale::China) << "中文提示";
        QTest::newRow("Chinese, Taiwan")
            << QLocale(QLocale::Chinese, QLocale::Taiwan) << "First tip";
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "First tip";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "First tip";
    }
    void readsFileOfSystemLanguage() {
        QFETCH(QLocale, locale);
        QFETCH(QString, tip);
        CTipDlg dialog(registry_, *paths_, locale);
        QCOMPARE(tipShown(dialog), tip);
    }

    void bootBoxStoresStartUp_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("afterToggleAndOk");
        QTest::newRow("not set: shown, unchecking stores 1") << QString() << true << "1";
        QTest::newRow("0: shown, unchecking stores 1") << "0" << true << "1";
        QTest::newRow("1: not shown, checking stores 0") << "1" << false << "0";
    }
    void bootBoxStoresStartUp() {
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        QFETCH(QString, afterToggleAndOk);
        if (!stored.isNull())
            registry_.setValue(kTipStartUpKey, stored.toStdString());
        CTipDlg dialog(registry_, *paths_, QLocale::c());
        dialog.show();
        auto* box = dialog.findChild<QCheckBox*>();
        QCOMPARE(box->text(), QString("Boot time display"));
        QCOMPARE(box->isChecked(), checked);
        box->click();
        QTest::mouseClick(button(dialog, "OK"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(registry_.value(kTipStartUpKey), std::optional(afterToggleAndOk.toStdString()));
        QCOMPARE(CTipDlg::showAtStartUp(registry_), afterToggleAndOk == "0");
    }

    void nextWrapsAndEscapeKeepsPosition() {
        CTipDlg dialog(registry_, *paths_, QLocale::c());
        dialog.show();
        QCOMPARE(tipShown(dialog), QString("First tip"));
        QPushButton* next = button(dialog, "Next");
        QVERIFY(next->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(tipShown(dialog), QString("Second tip"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(tipShown(dialog), QString("First tip"));
        dialog.findChild<QCheckBox*>()->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        // The next start shows the tip after the last one seen; StartUp is left as it was.
        QVERIFY(!registry_.value(kTipStartUpKey));
        CTipDlg again(registry_, *paths_, QLocale::c());
        QCOMPARE(tipShown(again), QString("Second tip"));
    }

    void missingFileDisablesNext() {
        fs::remove(fs::path(dir_->path().toStdString()) / "Tips_en.tip");
        CTipDlg dialog(registry_, *paths_, QLocale::c());
        QCOMPARE(tipShown(dialog), QString(kTipsMissingMessage));
        QVERIFY(!button(dialog, "Next")->isEnabled());
        dialog.done(QDialog::Accepted);
        QVERIFY(!registry_.value(kTipFilePosKey));
    }

    void paintsBulbAndHeading() {
        CTipDlg dialog(registry_, *paths_, QLocale::c());
        QCOMPARE(dialog.windowTitle(), QString("Tip of the Day"));
        const QPixmap bulb = dialog.findChild<QLabel*>("bulb")->pixmap();
        QCOMPARE(bulb.size(), QSize(40, 53));
        QCOMPARE(dialog.findChild<QLabel*>("heading")->text(), QString("Did you know..."));
    }

    // Run with ZORV_SCREENSHOT_DIR set (under xvfb-run) to grab the dialog for the manual.
    void screenshot() {
        const QByteArray folder = qgetenv("ZORV_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("ZORV_SCREENSHOT_DIR not set");
        CTipDlg dialog(registry_, fs::path(ZORV_SOURCE_DIR) / "data/program/Tips_en.tip");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(QString(folder) + "/tip-of-the-day.png"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<FixedPaths> paths_;
    MemoryRegistry registry_;
};

QTEST_MAIN(TipDlgTest)
#include "TipDlgTest.moc"
