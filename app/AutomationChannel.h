#pragma once
// Drives the running editor from its standard input, one command a line, for tests that run
// the real program as a child process (and for scripted demonstrations). Every command is
// answered on standard output with "ok", a value, or "fail" and why. Input events are posted,
// so that a command that opens a modal window is answered while the window waits.
//
//   trigger TEXT       triggers the action whose menu text (without "&" and shortcut) is TEXT
//   key SEQUENCE       a key press and release ("Right", "Ctrl+S", "Return") to the focus
//   type TEXT          the characters of TEXT, typed into the focus
//   click X Y          a left click at the display pixel (X, Y) of the editing view
//   button TEXT        clicks the visible button with that text in the active window
//   modal              the title of the active modal window, or "none"
//   message            the text of the message box shown, or "none"
//   title              the main window's title
//   status             the message the status bar shows
//   wait MS            answers after MS milliseconds

#include <QObject>
#include <QString>

class QSocketNotifier;
class QWidget;

namespace zorv {

class CZorvEditorView;

class AutomationChannel : public QObject {
public:
    AutomationChannel(QWidget& mainWindow, CZorvEditorView& view, QObject* parent = nullptr);

private:
    void readable();
    void run(const QString& line);
    void answer(const QString& text);

    QWidget& mainWindow_;
    CZorvEditorView& view_;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray pending_;
};

} // namespace zorv
