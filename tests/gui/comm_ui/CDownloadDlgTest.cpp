// Guards against: status texts that reach the status line out of order or off the window's
// thread, a progress bar that stops short of 100, a second press of "Serial Download" that starts
// another transfer, a busy dialog that Cancel, Escape or the close box closes, oversize images
// that a button sends anyway, worker questions asked off the window's thread, a dialog whose
// closing hangs on a worker waiting for an answer, converter choosers that forget their
// choice, a port choice that offers no "Automatic", forgets a typed port or does not send to
// it, a failed search that names no port, and a transfer ended that still offers only "Cancel".

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "DeviceDialogRig.h"
#include "comm/Converter.h"
#include "comm/ui/CDownloadDlg.h"

using namespace zorv;
using namespace zorv::test;

namespace {

QLabel* statusLine(QWidget& dialog) {
    return dialog.findChild<QLabel*>("statusLine");
}

QComboBox* portChoice(QWidget& dialog) {
    return dialog.findChild<QComboBox*>();
}

// Replaces the port choice's text by typing, as a user would.
void typePort(QWidget& dialog, const QString& text) {
    QLineEdit* edit = portChoice(dialog)->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QStringList expectedSerialTexts(int size) {
    QStringList t = {"Interface data download:Connecting device...",
                     "Interface data download:Connecting device...Success",
                     "Interface data download:Matching device type...",
                     "Interface data download: Matching...Success",
                     "Interface data download: Query device status...",
                     "Interface data download: Query device status... Device is not running "
                     "state, you can download",
                     "Interface data download:download starting..."};
    const int whole = size / 64;
    for (int i = 0; i <= whole; ++i)
        t << QString("Interface data download: %1/%2").arg(64 * i).arg(size);
    if (size % 64)
        t << QString("Interface data download: %1/%1").arg(size);
    t << "Interface data download: File download complete";
    return t;
}

} // namespace

class CDownloadDlgTest : public QObject {
    Q_OBJECT
private slots:
    void layoutAndOpening();
    void serialDownloadReportsInOrder();
    void busyIgnoresSecondPressAndClosing();
    void sizeLimit_data();
    void sizeLimit();
    void nothingChosenEndsAtOnce();
    void questionsAskedOnWindowThread();
    void closingDoesNotWaitForAnAnswer();
    void converterChoosersRemember();
    void portChoiceOffersAutomaticAndThePortsFound();
    void typedPortIsUsedAndRemembered();
    void failedSearchNamesThePortsTried();
};

void CDownloadDlgTest::layoutAndOpening() {
    DeviceDialogRig rig;
    writeBytes(rig.file("UserData.hc"), patternBytes(300));
    CDownloadDlg dialog(rig.file("UserData.hc"), {rig.file("Mdt1"), rig.file("plant.zvd")},
                        rig.services);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Download Tool"));
    for (const char* text : {"Serial Download", "USB Download", "Cancel", "..."})
        QVERIFY2(button(dialog, text) && button(dialog, text)->isVisible(), text);
    QVERIFY(button(dialog, "...")->isEnabled());
    QVERIFY(button(dialog, "Convert") && button(dialog, "Convert")->isHidden());
    QVERIFY(!button(dialog, "Convert")->isEnabled());
    const auto boxes = dialog.findChildren<QCheckBox*>();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[0]->text(), QString("GUI Data"));
    QVERIFY(boxes[0]->isChecked());
    QCOMPARE(boxes[1]->text(), QString("Modbus Configuration data"));
    // Shown, and unchecked since no table lies beside the project.
    QVERIFY(boxes[1]->isVisible() && !boxes[1]->isChecked());
    QVERIFY(statusLine(dialog)->isVisible());
    QCOMPARE(statusLine(dialog)->text(), QString("Output file size: 300"));
    QCOMPARE(dialog.findChild<QProgressBar*>()->value(), 0);
    QVERIFY(rig.prompt.texts.empty());

    // A missing image clears "GUI Data".
    CDownloadDlg missing(rig.file("none.hc"), {}, rig.services);
    QVERIFY(!missing.findChildren<QCheckBox*>()[0]->isChecked());
    QCOMPARE(statusLine(missing)->text(), QString("Output file size: 0"));
}

void CDownloadDlgTest::serialDownloadReportsInOrder() {
    DeviceDialogRig rig;
    const auto image = patternBytes(1000);
    writeBytes(rig.file("UserData.hc"), image);
    CDownloadDlg dialog(rig.file("UserData.hc"), {}, rig.services);
    dialog.show();
    StatusRecorder recorder(dialog.observer(), statusLine(dialog));
    QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 1, 20000);
    QTRY_VERIFY(!dialog.busy());

    QCOMPARE(recorder.texts, expectedSerialTexts(1000));
    QVERIFY(!recorder.offThread);
    QVERIFY(!recorder.lineBehind);
    QVERIFY(recorder.lastResult);
    QCOMPARE(dialog.findChild<QProgressBar*>()->value(), 100);
    QCOMPARE(rig.panel.device.interfaceImage(), image);
    QVERIFY(rig.panel.device.imageComplete());
    // The rate is shown only while blocks go.
    QVERIFY(dialog.findChild<QLabel*>("rateLine")->text().isEmpty());
    QVERIFY(rig.prompt.texts.empty());
}

void CDownloadDlgTest::busyIgnoresSecondPressAndClosing() {
    // The emulated line makes the transfer last about two seconds.
    DeviceDialogRig rig(false, 9600);
    const auto image = patternBytes(1000, 5);
    writeBytes(rig.file("UserData.hc"), image);
    CDownloadDlg dialog(rig.file("UserData.hc"), {}, rig.services);
    dialog.show();
    StatusRecorder recorder(dialog.observer(), statusLine(dialog));
    QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
    QVERIFY(dialog.busy());
    QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
    QTest::mouseClick(button(dialog, "USB Download"), Qt::LeftButton);
    QTest::mouseClick(button(dialog, "Cancel"), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());

    // Once a few blocks have gone, the rate and the time left show beside the status line.
    auto* rate = dialog.findChild<QLabel*>("rateLine");
    QTRY_VERIFY_WITH_TIMEOUT(rate->text().endsWith(" left"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 1, 20000);
    QTRY_VERIFY(!dialog.busy());
    QCOMPARE(recorder.texts.count("Interface data download:Connecting device..."), 1);
    QCOMPARE(rig.usbBus.opens, 0);
    QCOMPARE(rig.panel.device.interfaceImage(), image);
    QVERIFY(rig.panel.device.problems().empty());

    // Idle again after a transfer: the button says Close, and closes.
    QVERIFY(!button(dialog, "Cancel"));
    QTest::mouseClick(button(dialog, "Close"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void CDownloadDlgTest::sizeLimit_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("refused");
    QTest::newRow("56K") << 57344 << false;
    QTest::newRow("56K + 1") << 57345 << true;
}

void CDownloadDlgTest::sizeLimit() {
    QFETCH(int, size);
    QFETCH(bool, refused);
    DeviceDialogRig rig;
    writeBytes(rig.file("big.hc"), patternBytes(std::size_t(size)));
    CDownloadDlg dialog(rig.file("big.hc"), {}, rig.services);
    dialog.show();
    QCOMPARE(statusLine(dialog)->text(), QString("Output file size: %1").arg(size));
    if (!refused) {
        QVERIFY(rig.prompt.texts.empty());
        QVERIFY(statusLine(dialog)->isVisible());
        return;
    }
    // The opening check stops before the status line is shown.
    QVERIFY(statusLine(dialog)->isHidden());
    QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
    QTest::mouseClick(button(dialog, "USB Download"), Qt::LeftButton);
    QVERIFY(!dialog.busy());
    const std::vector<std::string> messages = {kOpeningTooLargeMessage, kButtonTooLargeMessage,
                                               kButtonTooLargeMessage};
    QCOMPARE(rig.prompt.texts, messages);
    QVERIFY(!rig.prompt.offThread);
    QCOMPARE(rig.panel.device.requests(), 0);
    QCOMPARE(rig.usbBus.opens, 0);
}

void CDownloadDlgTest::nothingChosenEndsAtOnce() {
    DeviceDialogRig rig;
    writeBytes(rig.file("UserData.hc"), patternBytes(100));
    CDownloadDlg dialog(rig.file("UserData.hc"), {}, rig.services);
    dialog.findChildren<QCheckBox*>()[0]->setChecked(false);
    StatusRecorder recorder(dialog.observer(), statusLine(dialog));
    QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
    QTRY_COMPARE(recorder.endings, 1);
    QTRY_VERIFY(!dialog.busy());
    QVERIFY(recorder.texts.isEmpty());
    QCOMPARE(rig.panel.device.requests(), 0);
}

void CDownloadDlgTest::questionsAskedOnWindowThread() {
    DeviceDialogRig rig(true);
    rig.prompt = ThreadCheckingPrompt({PromptAnswer::Yes, PromptAnswer::Yes});
    const auto image = patternBytes(130);
    writeBytes(rig.file("UserData.hc"), image);
    CDownloadDlg dialog(rig.file("UserData.hc"), {}, rig.services);
    StatusRecorder recorder(dialog.observer(), statusLine(dialog));
    QTest::mouseClick(button(dialog, "USB Download"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 1, 20000);
    const std::vector<std::string> questions = {"Controller running status, whether to stop?",
                                                "Controller stop state,Whether to run?"};
    QCOMPARE(rig.prompt.texts, questions);
    QVERIFY(!rig.prompt.offThread);
    QVERIFY(recorder.lastResult);
    QCOMPARE(recorder.texts.last(),
             QString("Interface data download: Download complete, controller status: run"));
    QCOMPARE(rig.usbDevice.interfaceImage(), image);
    QVERIFY(rig.usbDevice.running());
    QCOMPARE(dialog.findChild<QProgressBar*>()->value(), 100);
}

void CDownloadDlgTest::closingDoesNotWaitForAnAnswer() {
    DeviceDialogRig rig(true);
    writeBytes(rig.file("UserData.hc"), patternBytes(130));
    auto* dialog = new CDownloadDlg(rig.file("UserData.hc"), {}, rig.services);
    QTest::mouseClick(button(*dialog, "USB Download"), Qt::LeftButton);
    // Wait without serving events, so the question stays unasked.
    QElapsedTimer waited;
    waited.start();
    while (!dialog->observer().questionPending() && waited.elapsed() < 10000)
        QThread::msleep(5);
    QVERIFY(dialog->observer().questionPending());
    delete dialog; // joins the worker, which must get its answer without a window
    QVERIFY(rig.prompt.texts.empty());
    QVERIFY(rig.usbDevice.running());
    QVERIFY(rig.usbDevice.interfaceImage().empty());
}

void CDownloadDlgTest::converterChoosersRemember() {
    DeviceDialogRig rig;
    rig.chooser.answers = {"/data/old.qsp", "", "/data/out", "/data/second.qvd"};
    CDownloadDlg dialog(rig.file("UserData.hc"), {}, rig.services);
    QVERIFY(dialog.chooseConverterInput());
    QCOMPARE(dialog.converterInput(), std::filesystem::path("/data/old.qsp"));
    QVERIFY(!dialog.chooseImagePath()); // cancelled: the image stays
    QCOMPARE(dialog.imagePath(), rig.file("UserData.hc"));
    QVERIFY(dialog.chooseImagePath());
    QCOMPARE(dialog.imagePath(), std::filesystem::path("/data/out.hc"));
    QVERIFY(dialog.chooseConverterInput());

    // Each chooser opens at its remembered choice, the output one first at "UserData.hc".
    QCOMPARE(rig.chooser.starts, QStringList({"", "UserData.hc", "UserData.hc", "/data/old.qsp"}));
    QCOMPARE(rig.chooser.filters[0], qtFileFilter("Input File:(*.qsp;*.qvd)|*.qsp; *.qvd|"));
    QCOMPARE(rig.chooser.filters[1], qtFileFilter("HC File:(*.hc)|*.hc|All Files:(*.*)|*.*|"));
    const ConverterPaths remembered = readConverterPaths(rig.paths);
    QCOMPARE(remembered.input, std::string("/data/second.qvd"));
    QCOMPARE(remembered.output, std::string("/data/out.hc"));
}

void CDownloadDlgTest::portChoiceOffersAutomaticAndThePortsFound() {
    DeviceDialogRig rig;
    CDownloadDlg dialog(rig.file("UserData.hc"), {}, rig.services);
    dialog.show();
    QComboBox* port = portChoice(dialog);
    QVERIFY(port && port->isVisible() && port->isEditable());
    QCOMPARE(port->count(), 2);
    QCOMPARE(port->itemText(0), QString("Automatic"));
    QCOMPARE(port->itemText(1), QString::fromStdString(rig.panel.link.devicePath()));
    QCOMPARE(port->currentText(), QString("Automatic"));
    // A screen reader names the box by its label.
    QLabel* label = nullptr;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        if (l->buddy() == port)
            label = l;
    QVERIFY(label);
    QCOMPARE(label->text(), QString("Serial &port:"));
}

void CDownloadDlgTest::typedPortIsUsedAndRemembered() {
    // The system lists no port: only the path typed reaches the simulator.
    DeviceDialogRig rig;
    PosixSerialPortSystem none(std::vector<std::string>{});
    DeviceServices services{rig.prompt, rig.chooser, rig.paths,    rig.registry,
                            none,       rig.usbBus,  rig.processes};
    const auto image = patternBytes(200);
    writeBytes(rig.file("UserData.hc"), image);
    const QString pty = QString::fromStdString(rig.panel.link.devicePath());
    {
        CDownloadDlg dialog(rig.file("UserData.hc"), {}, services);
        dialog.show();
        QCOMPARE(portChoice(dialog)->count(), 1);
        typePort(dialog, pty);
        StatusRecorder recorder(dialog.observer(), statusLine(dialog));
        QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 1, 20000);
        QVERIFY(recorder.lastResult);
        QCOMPARE(rig.panel.device.interfaceImage(), image);
        QTest::mouseClick(button(dialog, "Close"), Qt::LeftButton);
    }
    QCOMPARE(rig.registry.value("Download/Port"), pty.toStdString());

    // The next opening shows the port typed; "Automatic" chosen and closed is kept too.
    CDownloadDlg again(rig.file("UserData.hc"), {}, services);
    QCOMPARE(portChoice(again)->currentText(), pty);
    portChoice(again)->setCurrentIndex(0);
    again.reject();
    QCOMPARE(rig.registry.value("Download/Port"), std::string());
    CDownloadDlg third(rig.file("UserData.hc"), {}, services);
    QCOMPARE(portChoice(third)->currentText(), QString("Automatic"));
}

void CDownloadDlgTest::failedSearchNamesThePortsTried() {
    DeviceDialogRig rig;
    PosixSerialPortSystem missing(std::vector<std::string>{
        "/nonexistent/ttyUSB7", "/nonexistent/ttyUSB8", "/nonexistent/ttyACM0"});
    DeviceServices services{rig.prompt, rig.chooser, rig.paths,    rig.registry,
                            missing,    rig.usbBus,  rig.processes};
    writeBytes(rig.file("UserData.hc"), patternBytes(100));
    CDownloadDlg dialog(rig.file("UserData.hc"), {}, services);
    dialog.show();
    StatusRecorder recorder(dialog.observer(), statusLine(dialog));
    QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 1, 20000);
    QVERIFY(!recorder.lastResult);
    const QString failed = "Interface data download: Connecting device...Failed\n";
    const QString missingPort = "/nonexistent/%1 (cannot be opened: No such file or directory)";
    QCOMPARE(statusLine(dialog)->text(), failed + "Ports tried: " + missingPort.arg("ttyUSB7") +
                                             ", " + missingPort.arg("ttyUSB8") + ", " +
                                             missingPort.arg("ttyACM0"));
    // The window grows to show every line, squeezing nothing else.
    QLabel* line = statusLine(dialog);
    QTRY_VERIFY(line->height() >= line->heightForWidth(line->width()));
    QPushButton* modbus = button(dialog, "...");
    QVERIFY(modbus->height() >= modbus->sizeHint().height());
    QVERIFY(button(dialog, "Close")); // a failed transfer has ended too

    // A typed port is the only one tried.
    typePort(dialog, "/dev/null");
    QTest::mouseClick(button(dialog, "Serial Download"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.endings, 2, 20000);
    QCOMPARE(statusLine(dialog)->text(),
             failed + "Ports tried: /dev/null (cannot be opened: not a serial port)");
    QVERIFY(rig.prompt.texts.empty());
}

QTEST_MAIN(CDownloadDlgTest)
#include "CDownloadDlgTest.moc"
