// Start-up and the File menu's project handling: the project named on the command line, a
// damaged one leaving the editor running on a new project with a message naming the file and the
// reason, a failed Open keeping the project that was open and its unsaved changes, the window
// title following the document, the recent-file list kept in the settings and pruned of projects
// that are gone, the program itself starting offscreen and quitting cleanly (with a damaged
// project too), a report whose viewer cannot be started saying where it was written, and a click
// on a memory-meter refusal showing the page at fault. Also the toolbar strip's transparent
// colour taken from the first stored pixel whichever way the BMP stores its rows.

#include <QAction>
#include <QElapsedTimer>
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

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    void damagedProjectLeavesANewProjectAndSaysWhy() {
        AppFixture f;
        const QString bad = writeFile(f.work.filePath("bad.zvd"), "not a project at all");
        QVERIFY(!f.app.start(bad, false));
        QCOMPARE(f.prompt.texts.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.prompt.texts[0]),
                 "Failed to open file!\n" + bad +
                     "\nThe file cannot be deciphered: its size of 20 bytes is not a multiple "
                     "of 8.");
        // The editor goes on with a new project; nothing is left that a later save could write
        // over the damaged file.
        QVERIFY(f.app.frame().isVisible());
        QVERIFY(f.app.document().path().empty());
        QCOMPARE(f.app.frame().windowTitle(), QString("No title[*] - ZorvEditor"));
        QCOMPARE(f.app.document().project().pageCount(), 1);
    }

    void failedOpenKeepsTheOpenProject_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QByteArray demo = fileBytes(kDemo);
        QTest::newRow("garbage of whole blocks")
            << QByteArray(256, 'x')
            << "File format error, open failed!\n%1\nThe file does not begin with the header of "
               "a project file.";
        QTest::newRow("project cut short")
            << demo.left(demo.size() / 16 * 8)
            << "File format error, open failed!\n%1\nThe file is cut short in page 3 of the 7 "
               "pages it holds.";
    }

    void failedOpenKeepsTheOpenProject() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        AppFixture f;
        QVERIFY(f.app.start(kDemo, false));
        f.app.document().project().addPage(900, PlaceMode::Insert);
        f.app.document().setModified(true);
        const QString bad = writeFile(f.work.filePath("damaged.zvd"), bytes);
        // No to saving the changes, then the damaged file through File > Open.
        f.prompt = ScriptedPrompt({PromptAnswer::No});
        f.files.answers = {bad};
        f.app.actions().action(CommandId::FileOpen)->trigger();
        QCOMPARE(f.prompt.texts,
                 (std::vector<std::string>{docmsg::kSaveChanges, message.arg(bad).toStdString()}));
        QCOMPARE(QString::fromStdString(f.app.document().path().string()), kDemo);
        QVERIFY(f.app.document().project().pageByNumber(900));
        QVERIFY(f.app.document().modified());
        QCOMPARE(f.app.frame().windowTitle(), QString("demo.zvd[*] - ZorvEditor"));
        QVERIFY(f.app.frame().isWindowModified());
    }

    void reportWithoutViewerSaysWhereItWasWritten() {
        AppFixture f;
        QVERIFY(f.app.start({}, false));
        f.viewer.starts = false;
        f.app.actions().action(CommandId::ToolReport)->trigger();
        QCOMPARE(f.viewer.shown.size(), std::size_t(1));
        const std::filesystem::path report = f.viewer.shown[0];
        QVERIFY(std::filesystem::exists(report));
        QCOMPARE(report.parent_path(),
                 std::filesystem::path(f.work.filePath("report").toStdString()));
        QCOMPARE(f.prompt.texts,
                 std::vector<std::string>{
                     "No viewer could be started for the report. It was written to:\n" +
                     report.string()});
        // A viewer that starts needs no message.
        f.viewer.starts = true;
        f.app.actions().action(CommandId::ToolReport)->trigger();
        QCOMPARE(f.viewer.shown.size(), std::size_t(2));
        QCOMPARE(f.prompt.texts.size(), std::size_t(1));
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
        CZorvEditorApp app({f.registry, f.prompt, f.files, f.paths, f.viewer});
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

        // A damaged project on the command line leaves the editor running, with its message up,
        // until it is ended.
        const QString bad = writeFile(home.filePath("bad.zvd"), "not a project at all");
        QElapsedTimer running;
        running.start();
        editor.start(kEditor, {bad, "--quit-after", "1500"});
        QVERIFY(editor.waitForFinished(20000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);
        QVERIFY(running.elapsed() >= 1400);

        editor.start(kEditor, {"--version"});
        QVERIFY(editor.waitForFinished(10000));
        QCOMPARE(editor.readAllStandardOutput(), QByteArray("ZorvEditor v00.06.00\n"));
    }
};

QTEST_MAIN(AppStartTest)
#include "AppStartTest.moc"
