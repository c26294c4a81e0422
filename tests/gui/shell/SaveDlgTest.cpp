// The "Save" dialog of a new project. Guards against: a save path that keeps the blanks of the
// name or loses the base folder's separator; a first save (no info.ini yet) that can never be
// confirmed; an unreadable info.ini that stops the dialog; OK with no name closing the dialog;
// a name with "/" that makes nested folders; a chosen folder not becoming the base folder;
// folders not created, or created past a file that stands in the way; the folder not
// remembered for the next project.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/CSaveDlg.h"
#include "app/SaveLocation.h"
#include "image/IniFile.h"
#include "platform/Paths.h"
#include "platform/ScriptedPrompt.h"
#include "platform/qt/ScriptedFileChooser.h"
#include "tests/gui/TabOrder.h"

namespace fs = std::filesystem;
using namespace zorv;

class SaveDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The documents folder lies in a temporary home, so no test writes to the real one.
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
        documents_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(documents_.startsWith(home_.path()));
    }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        root_ = dir_->path().toStdString();
        work_ = fs::path(root_) / "work";
        fs::create_directories(work_);
        paths_ = std::make_unique<FixedPaths>(root_, work_, root_);
        prompt_ = ScriptedPrompt();
        chooser_ = ScriptedFileChooser();
    }

    void savePathFollowsName_data() {
        QTest::addColumn<QString>("keyLine"); // %1: a folder holding Projects
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("savePath");
        QTest::newRow("blanks around the name removed") << "LastPath=%1/Projects/"
                                                        << "  Plant A "
                                                        << "%1/Projects/Plant A/";
        QTest::newRow("stored without trailing separator") << "LastPath=%1/Projects"
                                                           << "Mixer"
                                                           << "%1/Projects/Mixer/";
        QTest::newRow("blanks around the stored folder") << "LastPath=   %1/Projects/  "
                                                         << "Mixer"
                                                         << "%1/Projects/Mixer/";
        QTest::newRow("no name: the base folder") << "LastPath=%1/Projects"
                                                  << ""
                                                  << "%1/Projects/";
        QTest::newRow("blanks only: the base folder") << "LastPath=%1/Projects"
                                                      << "   "
                                                      << "%1/Projects/";
    }
    void savePathFollowsName() {
        QFETCH(QString, keyLine);
        QFETCH(QString, typed);
        QFETCH(QString, savePath);
        const QString root = QString::fromStdString(root_);
        fs::create_directories(fs::path(root_) / "Projects");
        writeInfoIni(keyLine.arg(root).toStdString());
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        dialog.show();
        QTest::keyClicks(nameEdit(dialog), typed);
        QCOMPARE(savePathEdit(dialog)->text(), savePath.arg(root));
        QCOMPARE(savePathEdit(dialog)->cursorPosition(), savePathEdit(dialog)->text().size());
        QVERIFY(savePathEdit(dialog)->isReadOnly());
        QVERIFY(prompt_.texts.empty());
    }

    // Mended: without info.ini the dialog starts in the documents folder, confirms, and makes
    // info.ini, so the next project starts where this one went.
    void firstSaveWithoutInfoIni() {
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        dialog.show();
        QCOMPARE(test::readingOrderBreaks(dialog), QStringList());
        QCOMPARE(savePathEdit(dialog)->text(), documents_ + "/");
        QTest::keyClicks(nameEdit(dialog), "Plant A");
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(prompt_.texts.empty());
        QVERIFY(fs::is_directory(documents_.toStdString()));
        QCOMPARE(dialog.target().folder, fs::path(documents_.toStdString() + "/Plant A/"));
        QCOMPARE(dialog.target().name, std::string("Plant A"));
        QCOMPARE(readInfoIni(), documents_.toStdString());

        const std::string other = root_ + "/Other";
        fs::create_directories(other);
        QVERIFY(writeLastPath(work_, other + "/"));
        CSaveDlg next(prompt_, chooser_, *paths_);
        QCOMPARE(savePathEdit(next)->text(), QString::fromStdString(other + "/"));
    }

    void unreadableInfoIni() {
        fs::create_directory(work_ / "info.ini");
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        dialog.show();
        QCOMPARE(prompt_.texts, std::vector<std::string>{kInfoIniMissingMessage});
        QCOMPARE(savePathEdit(dialog)->text(), documents_ + "/");
        // It still saves; only the folder cannot be remembered.
        QTest::keyClicks(nameEdit(dialog), "Mixer");
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(prompt_.texts.size(), std::size_t(2));
    }

    void unreadableInfoIniByPermission() {
        writeInfoIni("LastPath=" + root_);
        fs::permissions(work_ / "info.ini", fs::perms::none);
        if (std::ifstream(work_ / "info.ini"))
            QSKIP("this user reads files without read permission");
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        QCOMPARE(prompt_.texts, std::vector<std::string>{kInfoIniMissingMessage});
        QCOMPARE(savePathEdit(dialog)->text(), documents_ + "/");
    }

    void lastFolderGoneGivesDocuments_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("folder removed") << "LastPath=%1/gone";
        QTest::newRow("relative folder") << "LastPath=work";
        QTest::newRow("no key") << "Other=%1";
        QTest::newRow("a file, not a folder") << "LastPath=%1/work/info.ini";
    }
    void lastFolderGoneGivesDocuments() {
        QFETCH(QString, line);
        writeInfoIni(QString(line).replace("%1", QString::fromStdString(root_)).toStdString());
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        QCOMPARE(savePathEdit(dialog)->text(), documents_ + "/");
        QVERIFY(prompt_.texts.empty());
    }

    void okWithoutUsableNameStays_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << kSaveNameMissingMessage;
        QTest::newRow("blanks") << "   " << kSaveNameMissingMessage;
        // Nested folders made without a word.
        QTest::newRow("slash") << "line/press" << kSaveNameInvalidMessage;
        QTest::newRow("colon") << "line:2" << kSaveNameInvalidMessage;
    }
    void okWithoutUsableNameStays() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        dialog.show();
        QTest::keyClicks(nameEdit(dialog), typed);
        clickOk(dialog);
        QCOMPARE(prompt_.texts, std::vector<std::string>{message.toStdString()});
        QVERIFY(dialog.isVisible());
        QVERIFY(!fs::exists(work_ / "info.ini"));
    }

    void browseSetsBaseFolder() {
        const std::string chosen = root_ + "/new/a/b";
        chooser_.answers = {QString(), QString::fromStdString(chosen)};
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        dialog.show();
        QTest::keyClicks(nameEdit(dialog), " Plant A");
        auto* browse = dialog.findChild<QPushButton*>("browse");
        QCOMPARE(browse->text(), QString("..."));
        QTest::mouseClick(browse, Qt::LeftButton); // cancelled: nothing changes
        QCOMPARE(savePathEdit(dialog)->text(), documents_ + "/Plant A/");
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(chooser_.captions, QStringList({"Open", "Open"}));
        QCOMPARE(chooser_.starts, QStringList({documents_, documents_}));
        QCOMPARE(savePathEdit(dialog)->text(), QString::fromStdString(chosen + "/Plant A/"));

        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(fs::is_directory(chosen));
        QVERIFY(!fs::exists(chosen + "/Plant A")); // the caller makes the project's own folder
        QCOMPARE(readInfoIni(), chosen);
    }

    void browseStartsAtRootFolder() {
        writeInfoIni("LastPath=/");
        chooser_.answers = {"/"};
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        QCOMPARE(savePathEdit(dialog)->text(), QString("/"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("browse"), Qt::LeftButton);
        QCOMPARE(chooser_.starts, QStringList{"/"});
        QTest::keyClicks(nameEdit(dialog), "P");
        QCOMPARE(savePathEdit(dialog)->text(), QString("/P/"));
    }

    void folderBlockedByFileStays() {
        std::ofstream(root_ + "/file") << "x";
        chooser_.answers = {QString::fromStdString(root_ + "/file/sub")};
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("browse"), Qt::LeftButton);
        QTest::keyClicks(nameEdit(dialog), "Mixer");
        clickOk(dialog);
        QVERIFY(dialog.isVisible());
        QVERIFY(prompt_.texts.empty());
        QVERIFY(!fs::exists(work_ / "info.ini"));
    }

    void labelsHaveBuddies() {
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        QCOMPARE(dialog.windowTitle(), QString("Save"));
        QCOMPARE(nameEdit(dialog)->maxLength(), 128);
        int buddies = 0;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            buddies += label->buddy() != nullptr;
        QCOMPARE(buddies, 2);
    }

    // Run with ZORV_SCREENSHOT_DIR set (under xvfb-run) to grab the dialog for the manual.
    void screenshot() {
        const QByteArray folder = qgetenv("ZORV_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("ZORV_SCREENSHOT_DIR not set");
        const QString projects = documents_ + "/Projects";
        fs::create_directories(projects.toStdString());
        writeInfoIni("LastPath=" + projects.toStdString());
        CSaveDlg dialog(prompt_, chooser_, *paths_);
        dialog.show();
        QTest::keyClicks(nameEdit(dialog), "Plant A");
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(QString(folder) + "/save-dialog.png"));
    }

private:
    static QLineEdit* nameEdit(const CSaveDlg& d) { return d.findChild<QLineEdit*>("projectName"); }
    static QLineEdit* savePathEdit(const CSaveDlg& d) {
        return d.findChild<QLineEdit*>("savePath");
    }
    static void clickOk(const CSaveDlg& d) {
        QTest::mouseClick(d.findChild<QPushButton*>("ok"), Qt::LeftButton);
    }

    void writeInfoIni(const std::string& keyLine) {
        std::ofstream(work_ / "info.ini", std::ios::binary) << "[path]\r\n" << keyLine << "\r\n";
    }
    std::string readInfoIni() const {
        const LastPath last = readLastPath(work_);
        return last.state == LastPath::State::Read ? last.folder : "<unread>";
    }

    QTemporaryDir home_;
    QString documents_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::string root_;
    fs::path work_;
    std::unique_ptr<FixedPaths> paths_;
    ScriptedPrompt prompt_;
    ScriptedFileChooser chooser_;
};

QTEST_MAIN(SaveDlgTest)
#include "SaveDlgTest.moc"
