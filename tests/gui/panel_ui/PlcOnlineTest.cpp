// The simulator against a PLC, driven offscreen. Guards against: a connect dialog that forgets
// the line or does not keep the register map beside the project; an empty host or a family
// mapped past the protocol's addresses let through; a status line that hides a refused
// connection; a table that shows the panel's own values instead of the PLC's; an edit in the
// table or a key of the panel that never reaches the PLC; a tag not named beside its register;
// a window held while the line is down; a line found again that is not reconnected.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "panel/ui/PanelFaceView.h"
#include "panel/ui/PanelSimulatorWindow.h"
#include "panel/ui/PlcConnectDialog.h"
#include "panel/ui/PlcOnline.h"
#include "platform/Registry.h"
#include "platform/ScriptedPrompt.h"
#include "plc/PlcSession.h"
#include "tests/gui/ModalSteps.h"
#include "tests/panel/DemoImage.h"
#include "tests/plc/ModbusServer.h"

using namespace zorv;
using namespace zorv::panel;
using test::whenModal;

namespace {

int rowOf(QTableWidget* table, const QString& name) {
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, 0)->text() == name)
            return r;
    return -1;
}

// A TCP port on the loopback address that nothing listens on.
int closedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof at;
    bind(fd, reinterpret_cast<sockaddr*>(&at), size);
    getsockname(fd, reinterpret_cast<sockaddr*>(&at), &size);
    close(fd);
    return ntohs(at.sin_port);
}

} // namespace

class PlcOnlineTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(folder_.isValid());
        // A folder per test: the register map one test keeps is not the next one's.
        const auto folder =
            std::filesystem::path(folder_.path().toStdString()) / QTest::currentTestFunction();
        std::filesystem::create_directories(folder);
        project_ = folder / "plant.zvd";
        TagTable tags;
        tags.add({"Tank temperature", {1, uint8_t(RegisterType::D), 100}, ""});
        window_ = std::make_unique<PanelSimulatorWindow>();
        window_->setPlcServices(registry_, prompt_);
        window_->setProject(project_, tags, {});
        QVERIFY(window_->setImage(test::demoImage()));
    }
    void cleanup() {
        test::dropPendingModalSteps();
        window_.reset();
        registry_.values.clear();
        prompt_.texts.clear();
    }

    // The dialog refuses an empty host, keeps the line in the settings and the map beside the
    // project, and shows both again; a refused connection is told in the status line.
    void theDialogKeepsTheLineAndTheMap() {
        QTableWidget* table = window_->registerTable();
        QVERIFY(!table->isColumnHidden(2));
        QCOMPARE(table->item(rowOf(table, "D100"), 2)->text(), QString("Tank temperature"));

        const int port = closedPort();
        bool ran = false;
        whenModal<PlcConnectDialog>(
            [&](PlcConnectDialog& d) {
                QCOMPARE(d.lineChoice()->currentIndex(), 0); // TCP first
                d.hostField()->clear();
                d.accept();
                QVERIFY(d.isVisible());
                QCOMPARE(prompt_.texts.size(), std::size_t(1));
                QTest::keyClicks(d.hostField(), "127.0.0.1");
                d.portField()->setValue(port);
                d.baseField(RegisterType::D)->setValue(65535); // D8499 past the protocol's end
                d.accept();
                QVERIFY(d.isVisible());
                QCOMPARE(prompt_.texts.size(), std::size_t(2));
                d.baseField(RegisterType::D)->setValue(1000);
                d.objectChoice(RegisterType::M)->setCurrentIndex(1); // discrete inputs
                d.accept();
            },
            &ran);
        QTest::mouseClick(window_->connectButton(), Qt::LeftButton);
        QVERIFY(ran);
        QVERIFY(window_->online()->running());
        QVERIFY(!window_->connectButton()->isEnabled());
        QTRY_VERIFY(window_->plcStatus()->text().startsWith("Not connected: "));
        QCOMPARE(prompt_.texts.size(), std::size_t(2)); // the line's faults stay in the status

        plc::RegisterMap kept;
        std::string message;
        QVERIFY(plc::loadRegisterMap(plc::registerMapFileOf(project_), kept, message));
        QCOMPARE(kept.family(RegisterType::D).base, 1000u);
        QCOMPARE(kept.family(RegisterType::M).object, plc::ModbusObject::DiscreteInput);

        QTest::mouseClick(window_->disconnectButton(), Qt::LeftButton);
        QVERIFY(!window_->online()->running());
        QVERIFY(window_->connectButton()->isEnabled());
        ran = false;
        whenModal<PlcConnectDialog>(
            [&](PlcConnectDialog& d) {
                QCOMPARE(d.hostField()->text(), QString("127.0.0.1"));
                QCOMPARE(d.portField()->value(), port);
                QCOMPARE(d.baseField(RegisterType::D)->value(), 1000);
                QCOMPARE(d.objectChoice(RegisterType::M)->currentIndex(), 1);
                d.lineChoice()->setCurrentIndex(1);
                QVERIFY(d.serialPortField()->isVisible() && !d.hostField()->isVisible());
                d.reject();
            },
            &ran);
        QTest::mouseClick(window_->connectButton(), Qt::LeftButton);
        QVERIFY(ran);
        QVERIFY(!window_->online()->running());
    }

    // Against a real Modbus server: the PLC's value shows on the panel and in the table, an
    // edit in the table and a key's coil reach the server, and the panel stays live while the
    // server is stopped.
    void theTableAndTheKeysAreThePlcs() {
        if (const std::string why = test::ModbusServer::missing(); !why.empty())
            QSKIP(why.c_str());
        test::ModbusServer server(project_.parent_path(), {});
        QVERIFY2(server.ready(), server.failure().c_str());
        QCOMPARE(server.command("set hr 100 1234"), std::string("ok"));
        QTest::mouseClick(window_->face()->keyButton(Key::F1), Qt::LeftButton); // page 2: D100
        whenModal<PlcConnectDialog>([&](PlcConnectDialog& d) {
            d.hostField()->setText("127.0.0.1");
            d.portField()->setValue(server.port());
            d.accept();
        });
        QTest::mouseClick(window_->connectButton(), Qt::LeftButton);
        QTRY_COMPARE(window_->machine()->registers().word({1, uint8_t(RegisterType::D), 100}),
                     uint16_t(1234));
        QTRY_VERIFY(window_->plcStatus()->text().startsWith("Connected"));
        QTableWidget* table = window_->registerTable();
        const int d100 = rowOf(table, "D100");
        QVERIFY(d100 >= 0);
        QTRY_COMPARE(table->item(d100, 1)->text(), QString("1234"));

        table->item(d100, 1)->setText("777");
        QTRY_COMPARE(server.command("get hr 100"), std::string("777"));

        // Page 4's F4 holds coil M30 on while it is pressed.
        QVERIFY(window_->machine()->showPageIndex(*window_->image().pageOfNumber(4)));
        QTest::mousePress(window_->face()->keyButton(Key::F4), Qt::LeftButton);
        QTRY_COMPARE(server.command("get coil 30"), std::string("1"));
        QTest::mouseRelease(window_->face()->keyButton(Key::F4), Qt::LeftButton);
        QTRY_COMPARE(server.command("get coil 30"), std::string("0"));

        QCOMPARE(server.command("stop"), std::string("ok"));
        QTRY_VERIFY(!window_->plcStatus()->text().startsWith("Connected"));
        QElapsedTimer held;
        held.start();
        QTest::mouseClick(window_->face()->keyButton(Key::Esc), Qt::LeftButton);
        QVERIFY(held.elapsed() < 100); // the line's waits are not the window's
        QCOMPARE(server.command("start"), std::string("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(window_->plcStatus()->text().startsWith("Connected"), 15000);
        QVERIFY(prompt_.texts.empty());
    }

private:
    QTemporaryDir folder_;
    std::filesystem::path project_;
    MemoryRegistry registry_;
    ScriptedPrompt prompt_;
    std::unique_ptr<PanelSimulatorWindow> window_;
};

QTEST_MAIN(PlcOnlineTest)
#include "PlcOnlineTest.moc"
