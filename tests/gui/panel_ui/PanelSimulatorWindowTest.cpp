// Drives the simulator window offscreen: keypad clicks and keyboard keys reach the panel, the
// page shown follows, the zoom scales the display without smoothing, a coil ticked in the table
// acts as the PLC would, a broken image is refused, and every control has a name for screen
// readers. Set ZORV_SHOW_MS to keep the window on screen that long (for screenshots).

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "panel/ui/PanelFaceView.h"
#include "panel/ui/PanelSimulatorWindow.h"
#include "tests/panel/DemoImage.h"

using namespace zorv;
using namespace zorv::panel;

namespace {

QString pageText(const PanelSimulatorWindow& w) {
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->accessibleName() == "Page shown")
            return l->text();
    return QString();
}

int rowOf(QTableWidget* table, const QString& name) {
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->text() == name)
            return r;
    return -1;
}

} // namespace

class PanelSimulatorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        image_ = test::demoImage();
        QVERIFY(!image_.empty());
    }

    void keypadAndKeyboardMoveBetweenPages() {
        PanelSimulatorWindow w;
        QVERIFY(w.setImage(image_));
        QSignalSpy shown(&w, &PanelSimulatorWindow::pageShown);
        QCOMPARE(pageText(w), QString("1"));
        QTest::mouseClick(w.face()->keyButton(Key::F1), Qt::LeftButton);
        QCOMPARE(pageText(w), QString("2"));
        QTest::keyClick(w.face(), Qt::Key_Up); // page 2's up page is 1
        QCOMPARE(pageText(w), QString("1"));
        QTest::keyClick(w.face(), Qt::Key_F4);
        QCOMPARE(pageText(w), QString("5"));
        QTest::keyClick(w.face(), Qt::Key_Down);
        QTest::keyClick(w.face(), Qt::Key_Down);
        QTest::keyClick(w.face(), Qt::Key_Return);
        QCOMPARE(pageText(w), QString("4"));
        QVERIFY(shown.count() >= 4);
        QCOMPARE(shown.last().at(0).toInt(), 4);
    }

    void zoomScalesTheDisplayWithoutSmoothing() {
        PanelSimulatorWindow w;
        QVERIFY(w.setImage(image_));
        QCOMPARE(w.zoom(), 3);
        QCOMPARE(w.face()->display().size(), QSize(576, 192));
        w.findChild<QSpinBox*>()->setValue(6);
        QCOMPARE(w.face()->display().size(), QSize(1152, 384));
        w.setZoom(9);
        QCOMPARE(w.zoom(), 6);
        w.setZoom(1);
        const QImage d = w.face()->display().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(d.size(), QSize(192, 64));
        for (int y = 0; y < d.height(); ++y)
            for (int x = 0; x < d.width(); ++x)
                QVERIFY(d.pixel(x, y) == qRgb(0, 0, 0) || d.pixel(x, y) == qRgb(255, 255, 255));
    }

    void tableStandsForThePlc() {
        PanelSimulatorWindow w;
        QVERIFY(w.setImage(image_));
        QTableWidget* table = w.registerTable();
        const int alarm = rowOf(table, "M101");
        QVERIFY(alarm >= 0);
        QVERIFY(rowOf(table, "D101") >= 0);
        table->item(alarm, 1)->setCheckState(Qt::Checked);
        QCOMPARE(pageText(w), QString("4")); // the automatic alarm page
        const int language = rowOf(table, "D2");
        QVERIFY(language >= 0);
        table->item(language, 1)->setText("2");
        QCOMPARE(w.findChild<QComboBox*>()->currentIndex(), 1);
        // Keys write back into the table.
        QTest::mouseClick(w.face()->keyButton(Key::F4), Qt::LeftButton); // on page 4: M30 pulse
        QCOMPARE(table->item(rowOf(table, "M30"), 1)->checkState(), Qt::Unchecked);
    }

    void brokenImageIsRefused() {
        PanelSimulatorWindow w;
        QVERIFY(w.setImage(image_));
        QString error;
        const std::vector<uint8_t> cut(image_.begin(), image_.begin() + 200);
        QVERIFY(!w.setImage(cut, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(pageText(w), QString("1"));
    }

    // The project compiled again after an edit: the page, the language and the PLC's values
    // stay; a page that is gone gives the start page.
    void followsTheProjectCompiledAgain() {
        PanelSimulatorWindow w;
        QVERIFY(w.setImage(image_));
        w.findChild<QComboBox*>()->setCurrentIndex(1);
        QTest::keyClick(w.face(), Qt::Key_F1);
        QCOMPARE(pageText(w), QString("2"));
        w.machine()->registers().setWord(7, 130, 600);
        const PanelMachine* before = w.machine();
        QVERIFY(w.followImage(image_)); // nothing changed: nothing restarts
        QCOMPARE(w.machine(), before);

        std::string error;
        const std::vector<uint8_t> edited = test::compiledJson(
            R"({"header": {"startPage": 1}, "pages": [
              {"number": 1, "widgets": []},
              {"number": 2, "widgets": [{"kind": "Register", "x": 0, "y": 0, "register": "D130",
                                         "digits": 4}]}]})",
            error);
        QVERIFY2(!edited.empty(), error.c_str());
        QVERIFY(w.followImage(edited));
        QCOMPARE(pageText(w), QString("2"));
        QCOMPARE(w.machine()->language(), 1);
        QCOMPARE(w.machine()->registers().word(7, 130), uint16_t(600));
        QCOMPARE(w.registerTable()->rowCount(), 1);
        QCOMPARE(w.registerTable()->item(0, 1)->text(), QString("600"));

        QVERIFY(w.setImage(image_));
        QTest::keyClick(w.face(), Qt::Key_F4); // page 5 of the demo, gone from the edited one
        QCOMPARE(pageText(w), QString("5"));
        QVERIFY(w.followImage(edited));
        QCOMPARE(pageText(w), QString("1"));
        QVERIFY(!w.followImage({1, 2, 3}));
        QCOMPARE(pageText(w), QString("1"));
    }

    void everyControlHasAnAccessibleName() {
        PanelSimulatorWindow w;
        QVERIFY(w.setImage(image_));
        int buttons = 0;
        for (QPushButton* b : w.findChildren<QPushButton*>()) {
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->toolTip()));
            ++buttons;
        }
        QCOMPARE(buttons, 25 + 2); // every key of the panel picture, Connect and Disconnect
        for (QWidget* c : std::initializer_list<QWidget*>{
                 w.findChild<QSpinBox*>(), w.findChild<QComboBox*>(), w.registerTable(), w.face()})
            QVERIFY(!c->accessibleName().isEmpty());
        if (const int ms = qEnvironmentVariableIntValue("ZORV_SHOW_MS")) {
            w.setImage(image_);
            w.machine()->registers().setWord(7, 10, 1);
            w.machine()->registers().setWord(7, 130, 600);
            w.machine()->registers().setBit(2, 1, true);
            QTest::keyClick(w.face(), Qt::Key_F1);
            w.move(0, 0);
            w.show();
            QTest::qWait(ms);
        }
    }

private:
    std::vector<uint8_t> image_;
};

QTEST_MAIN(PanelSimulatorWindowTest)
#include "PanelSimulatorWindowTest.moc"
