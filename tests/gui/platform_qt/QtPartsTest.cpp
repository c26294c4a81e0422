// The real message boxes, file dialog and file viewer behind the prompt, the file chooser and the
// report's viewer, which the other tests replace by scripts. Guards against: an OK answer read as
// Cancel (Delete Page never deleting), a close box answering Yes, filters that Qt cannot read, so
// that the Import dialog hides the older projects it is meant to open, a desktop without a
// viewer taken for one that showed the report, and a question's own words lost from its buttons.

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "platform/qt/FileChooser.h"
#include "platform/qt/QtFileViewer.h"
#include "platform/qt/QtPrompt.h"
#include "tests/gui/ModalSteps.h"

using namespace zorv;
using zorv::test::whenModal;

Q_DECLARE_METATYPE(zorv::PromptButtons)
Q_DECLARE_METATYPE(zorv::PromptAnswer)

class QtPartsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::dropPendingModalSteps(); }

    void promptAnswersByTheButtonPressed_data() {
        QTest::addColumn<PromptButtons>("buttons");
        QTest::addColumn<int>("pressed"); // a QMessageBox::StandardButton, or 0 for Esc
        QTest::addColumn<PromptAnswer>("answer");
        using B = QMessageBox;
        QTest::newRow("OK") << PromptButtons::Ok << int(B::Ok) << PromptAnswer::Ok;
        QTest::newRow("OK/Cancel: OK") << PromptButtons::OkCancel << int(B::Ok) << PromptAnswer::Ok;
        QTest::newRow("OK/Cancel: Cancel")
            << PromptButtons::OkCancel << int(B::Cancel) << PromptAnswer::Cancel;
        QTest::newRow("OK/Cancel: Esc") << PromptButtons::OkCancel << 0 << PromptAnswer::Cancel;
        QTest::newRow("Yes/No: Yes") << PromptButtons::YesNo << int(B::Yes) << PromptAnswer::Yes;
        QTest::newRow("Yes/No: No") << PromptButtons::YesNo << int(B::No) << PromptAnswer::No;
        QTest::newRow("Yes/No/Cancel: Yes")
            << PromptButtons::YesNoCancel << int(B::Yes) << PromptAnswer::Yes;
        QTest::newRow("Yes/No/Cancel: No")
            << PromptButtons::YesNoCancel << int(B::No) << PromptAnswer::No;
        QTest::newRow("Yes/No/Cancel: Cancel")
            << PromptButtons::YesNoCancel << int(B::Cancel) << PromptAnswer::Cancel;
        QTest::newRow("Yes/No/Cancel: Esc")
            << PromptButtons::YesNoCancel << 0 << PromptAnswer::Cancel;
    }
    void promptAnswersByTheButtonPressed() {
        QFETCH(PromptButtons, buttons);
        QFETCH(int, pressed);
        QFETCH(PromptAnswer, answer);
        QWidget owner;
        owner.show();
        QtPrompt prompt(&owner);
        QString shownText;
        bool ran = false;
        whenModal<QMessageBox>(
            [&](QMessageBox& box) {
                shownText = box.text();
                if (pressed == 0)
                    QTest::keyClick(&box, Qt::Key_Escape);
                else
                    QTest::mouseClick(box.button(QMessageBox::StandardButton(pressed)),
                                      Qt::LeftButton);
            },
            &ran);
        QCOMPARE(prompt.ask("Are you sure to delete the current page?", buttons), answer);
        QVERIFY(ran);
        QCOMPARE(shownText, QString("Are you sure to delete the current page?"));
    }

    // The buttons carry the question's own words, and the close box or Esc answers as the
    // second, so that nothing is thrown away without the first button's word being pressed.
    void chooseShowsItsWordsAndAnswersByThem_data() {
        QTest::addColumn<QString>("pressed"); // the button's word, or empty for Esc
        QTest::addColumn<bool>("first");
        QTest::newRow("Reload") << "Reload" << true;
        QTest::newRow("Keep mine") << "Keep mine" << false;
        QTest::newRow("Esc") << QString() << false;
    }
    void chooseShowsItsWordsAndAnswersByThem() {
        QFETCH(QString, pressed);
        QFETCH(bool, first);
        QWidget owner;
        owner.show();
        QtPrompt prompt(&owner);
        QString shownText;
        QStringList words;
        bool ran = false;
        whenModal<QMessageBox>(
            [&](QMessageBox& box) {
                shownText = box.text();
                QAbstractButton* chosen = nullptr;
                for (QAbstractButton* button : box.buttons()) {
                    words << button->text();
                    if (button->text() == pressed)
                        chosen = button;
                }
                if (pressed.isEmpty())
                    QTest::keyClick(&box, Qt::Key_Escape);
                else if (chosen)
                    QTest::mouseClick(chosen, Qt::LeftButton);
                else
                    box.reject();
            },
            &ran);
        const char* text = "The project file was changed by another program since it was opened.";
        QCOMPARE(prompt.choose(text, "Reload", "Keep mine"), first);
        QVERIFY(ran);
        QCOMPARE(shownText, QString(text));
        words.sort();
        QCOMPARE(words, (QStringList{"Keep mine", "Reload"}));
    }

    void importFilterShowsOlderProjectsInTheRealDialog() {
        QTemporaryDir dir;
        for (const char* name : {"line.qsp", "press.qvd", "notes.txt", "plant.zvd"})
            std::ofstream((dir.path() + "/" + name).toStdString()) << "x";
        const QString filter = qtFileFilter("Text display file:(*.qsp, *.qvd)|*.qsp;*.qvd|");
        QCOMPARE(filter, QString("Text display file (*.qsp *.qvd)"));

        QStringList listed;
        whenModal<QFileDialog>([&](QFileDialog& dialog) {
            // No check here: whatever the list shows, the dialog closes, so that a failure
            // cannot leave the test waiting on it. The directory is read on a thread of its own.
            if (auto* view = dialog.findChild<QListView*>("listView")) {
                QAbstractItemModel* model = view->model();
                QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) >= 2; }, 30000);
                for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
                    listed << model->index(row, 0, view->rootIndex()).data().toString();
            }
            // The name goes in as typed: selectFile() leaves the name box alone while it has the
            // focus, which it has or not depending on which window the system made active.
            if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit"))
                name->setText("line.qsp");
            // done() rather than accept(): the dialog's own check of the typed name may open a
            // message box of its own while the directory is still being read, and wait on it.
            static_cast<QDialog&>(dialog).done(QDialog::Accepted);
        });
        QtFileChooser chooser;
        const QString chosen = chooser.openFile(nullptr, "Open", dir.path(), filter);
        listed.sort();
        QCOMPARE(listed, (QStringList{"line.qsp", "press.qvd"}));
        QCOMPARE(chosen, dir.path() + "/line.qsp");
    }

    void everyFilterNamesItsPatternsForQt_data() {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("qt");
        QTest::newRow("patterns after a semicolon and blank")
            << "Input File:(*.qsp;*.qvd)|*.qsp; *.qvd|"
            << "Input File (*.qsp *.qvd)";
        QTest::newRow("two filters") << "HC File:(*.hc)|*.hc|All Files:(*.*)|*.*|"
                                     << "HC File (*.hc);;All Files (*.*)";
        QTest::newRow("name without patterns") << "Bitmap file|*.bmp|"
                                               << "Bitmap file (*.bmp)";
        QTest::newRow("empty name ends the list") << "Text Files(*.txt)|*.txt||"
                                                  << "Text Files (*.txt)";
    }
    void everyFilterNamesItsPatternsForQt() {
        QFETCH(QString, windows);
        QFETCH(QString, qt);
        QCOMPARE(qtFileFilter(windows.toStdString()), qt);
    }
    void viewerFailureIsToldByXdgOpen_data() {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("failed");
        QTest::newRow("viewer started") << 0 << false;
        QTest::newRow("no viewer for the type") << 3 << true;
        QTest::newRow("viewer failed") << 4 << true;
    }
    void viewerFailureIsToldByXdgOpen() {
        QFETCH(int, exitCode);
        QFETCH(bool, failed);
        // A stand-in xdg-open alone on the search path notes the file it is given.
        QTemporaryDir bin;
        const QString asked = bin.filePath("asked");
        {
            std::ofstream script(bin.filePath("xdg-open").toStdString());
            script << "#!/bin/sh\nprintf %s \"$1\" >'" << asked.toStdString() << "'\nexit "
                   << exitCode << "\n";
        }
        QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray searchPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        QtFileViewer viewer;
        bool told = false;
        viewer.show("/work/report/Demo.txt", [&] { told = true; });
        qputenv("PATH", searchPath);
        QTRY_VERIFY(viewer.findChildren<QProcess*>().isEmpty());
        QCOMPARE(told, failed);
        QFile file(asked);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("/work/report/Demo.txt"));
    }
};

QTEST_MAIN(QtPartsTest)
#include "QtPartsTest.moc"
