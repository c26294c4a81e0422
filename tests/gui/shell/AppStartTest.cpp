// Start-up and the File menu's project handling: the project named on the command line, a
// damaged one ending the start with the document's message, the window title following the
// document, the recent-file list kept in the settings and pruned of projects that are gone,
// the program itself starting offscreen and quitting cleanly, and a click on a memory-meter
// refusal showing the page at fault. Also the toolbar strip's transparent colour taken from the
// first stored pixel whichever way the BMP stores its rows.

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QtEndian>

#include "AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CTrueColorToolBar.h"
#include "app/meter/CMemoryMeter.h"
#include "editor/CZorvEditorView.h"
#include "model/CPage.h"

using namespace zorv;

namespace {

const QString kDemo = QStringLiteral(ZORV_PROGRAM_DIR "/demo.zvd");
const QString kEditor = QStringLiteral(ZORV_PROGRAM_DIR "/zorveditor");

// A 24-bit strip of two 2 x 2 pictures; `topDown` stores the rows from the top.
QByteArray strip(bool topDown, QRgb bottomLeft, QRgb topLeft, QRgb other) {
    const int w = 4, h = 2, row = 12;
    QByteArray bytes(54 + row * h, '\0');
    char* p = bytes.data();
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(bytes.size(), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(w, p + 18);
    qToLittleEndian<qint32>(topDown ? -h : h, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    for (int y = 0; y < h; ++y) {
        const int stored = topDown ? y : h - 1 - y; // y counts from the top
        for (int x = 0; x < w; ++x) {
            QRgb c = other;
            if (x == 0 && y == h - 1)
                c = bottomLeft;
            if (x == 0 && y == 0)
                c = topLeft;
            char* px = p + 54 + stored * row + x * 3;
            px[0] = char(qBlue(c));
            px[1] = char(qGreen(c));
            px[2] = char(qRed(c));
        }
    }
    return bytes;
}

} // namespace

class AppStartTest : public QObject {
    Q_OBJECT
private slots:
    void opensTheProjectOfTheCommandLine() {
        AppFixture f;
        QVERIFY(f.app.start(kDemo, false));
        QCOMPARE(QString::fromStdString(f.app.document().path().string()), kDemo);
        QCOMPARE(f.app.frame().windowTitle(), QString("demo.zvd[*] - ZorvEditor"));
        QVERIFY(!f.app.frame().isWindowModified());
        f.app.document().setModified(true);
        QVERIFY(f.app.frame().isWindowModified());
        QCOMPARE(f.app.recentFiles().paths().front(), kDemo.toStdString());
        QCOMPARE(f.registry.value("Recent File List/File1"), kDemo.toStdString());
        QCOMPARE(f.app.actions().action(CommandId::FileRecent1)->text(), "&1 " + kDemo);
        QVERIFY(f.prompt.texts.empty());
    }

    void damagedProjectEndsTheStartWithItsMessage() {
        AppFixture f;
        const QString bad = f.work.filePath("bad.zvd");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a project at all");
        file.close();
        QVERIFY(!f.app.start(bad, false));
        QCOMPARE(f.prompt.texts.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.prompt.texts[0]), QString("Failed to open file!"));
        // Nothing is left that a later save could write over the damaged file.
        QVERIFY(f.app.document().path().empty());
    }

    void untitledProjectTitle() {
        AppFixture f;
        QVERIFY(f.app.start({}, false));
        QCOMPARE(f.app.frame().windowTitle(), QString("No title[*] - ZorvEditor"));
        QCOMPARE(f.app.actions().action(CommandId::FileRecent1)->text(), QString("Recent File"));
        QVERIFY(!f.app.actions().action(CommandId::FileRecent1)->isEnabled());
    }

    void openThroughTheFileMenu() {
        AppFixture f;
        QVERIFY(f.app.start({}, false));
        f.files.answers = {kDemo};
        f.app.actions().action(CommandId::FileOpen)->trigger();
        QCOMPARE(QString::fromStdString(f.app.document().path().string()), kDemo);
        QCOMPARE(f.files.filters.front(), QString("Zorv File (*.zvd);;All Files (*.*)"));
        // A cancelled chooser changes nothing.
        f.app.actions().action(CommandId::FileOpen)->trigger();
        QCOMPARE(QString::fromStdString(f.app.document().path().string()), kDemo);
    }

    void recentProjectThatIsGoneLeavesTheList() {
        AppFixture f;
        const QString gone = f.work.filePath("gone.zvd");
        f.registry.setValue("Recent File List/File1", gone.toStdString());
        f.registry.setValue("Recent File List/File2", kDemo.toStdString());
        CZorvEditorApp app({f.registry, f.prompt, f.files, f.paths});
        QVERIFY(app.start({}, false));
        QCOMPARE(app.recentFiles().paths().size(), std::size_t(2));
        app.actions().action(CommandId::FileRecent1)->trigger();
        QCOMPARE(f.prompt.texts.size(), std::size_t(1));
        QCOMPARE(app.recentFiles().paths(), std::vector<std::string>{kDemo.toStdString()});
        QCOMPARE(f.registry.value("Recent File List/File1"), kDemo.toStdString());
        QCOMPARE(f.registry.value("Recent File List/File2"), std::string());
        QVERIFY(!app.actions().action(CommandId::FileRecent2)->isVisible());
    }

    void memoryMeterRefusalShowsItsPage() {
        AppFixture f;
        QVERIFY(f.app.start(kDemo, false));
        QCOMPARE(f.app.view().currentPage()->number(), 1);
        emit f.app.memoryMeter().pageRequested(3);
        QCOMPARE(f.app.view().currentPage()->number(), 3);
    }

    void recentListKeepsFourLatestFirst() {
        MemoryRegistry registry;
        RecentFileList list(registry, 4);
        for (const char* p : {"a", "b", "c", "d", "e", "c"})
            list.add(p);
        QCOMPARE(list.paths(), (std::vector<std::string>{"c", "e", "d", "b"}));
        RecentFileList again(registry, 4);
        QCOMPARE(again.paths(), list.paths());
    }

    void transparentColourIsTheFirstStoredPixel_data() {
        QTest::addColumn<bool>("topDown");
        QTest::newRow("bottom-up") << false;
        QTest::newRow("top-down") << true;
    }

    void transparentColourIsTheFirstStoredPixel() {
        QFETCH(bool, topDown);
        const QRgb magenta = qRgb(255, 0, 255), blue = qRgb(0, 0, 255), grey = qRgb(9, 9, 9);
        QTemporaryDir dir;
        const QString path = dir.filePath("strip.bmp");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // The first stored pixel is magenta; the other corner is blue.
        file.write(topDown ? strip(true, blue, magenta, grey) : strip(false, magenta, blue, grey));
        file.close();
        const QList<QPixmap> pictures = cutTrueColorStrip(path, 2);
        QCOMPARE(pictures.size(), 2);
        const QImage first = pictures[0].toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint clear = topDown ? QPoint(0, 0) : QPoint(0, 1);
        const QPoint kept = topDown ? QPoint(0, 1) : QPoint(0, 0);
        QCOMPARE(qAlpha(first.pixel(clear)), 0);
        QCOMPARE(first.pixel(kept), blue);
        QCOMPARE(first.pixel(1, 0), grey);
    }

    void programStartsOffscreenAndQuits() {
        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QTemporaryDir home;
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("ZORV_HOME", home.path());
        editor.setProcessEnvironment(env);
        editor.start(kEditor, {kDemo, "--quit-after", "300"});
        QVERIFY(editor.waitForFinished(20000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);

        editor.start(kEditor, {"--version"});
        QVERIFY(editor.waitForFinished(10000));
        QCOMPARE(editor.readAllStandardOutput(), QByteArray("ZorvEditor v00.06.00\n"));
    }
};

QTEST_MAIN(AppStartTest)
#include "AppStartTest.moc"
