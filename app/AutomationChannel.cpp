#include "app/AutomationChannel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

#include "editor/CZorvEditorView.h"

namespace zorv {

namespace {

QString plainText(QString text) {
    text = text.section('\t', 0, 0);
    return text.remove('&').trimmed();
}

QWidget* keyTarget(QWidget& mainWindow) {
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* active = QApplication::activeWindow();
    return active ? active : &mainWindow;
}

void postKey(QWidget* target, QKeyCombination key, const QString& text) {
    QApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text));
    QApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyRelease, key.key(), key.keyboardModifiers(), text));
}

QAction* actionNamed(const QString& text) {
    // The actions of the menus and toolbars, wherever they are owned.
    for (QWidget* widget : QApplication::allWidgets())
        for (QAction* action : widget->actions())
            if (action->isEnabled() && plainText(action->text()) == text)
                return action;
    return nullptr;
}

QAbstractButton* buttonNamed(const QString& text) {
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = QApplication::activeWindow();
    if (!window)
        return nullptr;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() && plainText(button->text()) == text)
            return button;
    return nullptr;
}

} // namespace

AutomationChannel::AutomationChannel(QWidget& mainWindow, CZorvEditorView& view, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), view_(view) {
    notifier_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &AutomationChannel::readable);
}

void AutomationChannel::readable() {
    char buffer[4096];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
        // The driver has gone: the editor ends as File > Exit would have it end.
        notifier_->setEnabled(false);
        QTimer::singleShot(0, &mainWindow_, &QWidget::close);
        return;
    }
    pending_.append(buffer, int(n));
    for (int end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
        pending_.remove(0, end + 1);
        if (!line.isEmpty())
            run(line);
    }
}

void AutomationChannel::run(const QString& line) {
    const QString verb = line.section(' ', 0, 0);
    const QString rest = line.section(' ', 1);
    if (verb == "trigger") {
        QAction* action = actionNamed(rest);
        if (!action)
            return answer("fail no enabled action " + rest);
        // Queued, so that a modal window the action opens does not hold up the answer.
        QTimer::singleShot(0, action, &QAction::trigger);
        return answer("ok");
    }
    if (verb == "key") {
        const QKeySequence sequence = QKeySequence::fromString(rest);
        QWidget* target = keyTarget(mainWindow_);
        if (sequence.isEmpty() || !target)
            return answer("fail no key " + rest);
        postKey(target, sequence[0], QString());
        return answer("ok");
    }
    if (verb == "type") {
        QWidget* target = keyTarget(mainWindow_);
        if (!target)
            return answer("fail no focus");
        for (const QChar c : rest)
            postKey(target, QKeyCombination(Qt::Key_unknown), QString(c));
        return answer("ok");
    }
    if (verb == "click") {
        bool xOk = false, yOk = false;
        const int x = rest.section(' ', 0, 0).toInt(&xOk);
        const int y = rest.section(' ', 1, 1).toInt(&yOk);
        if (!xOk || !yOk)
            return answer("fail click X Y");
        const auto& display = view_.displayRect();
        const QPoint at =
            view_.viewLayout().toWindow(QPoint(display.left + 2 * x + 1, display.top + 2 * y + 1));
        const QPointF global = view_.mapToGlobal(QPointF(at));
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QApplication::postEvent(&view_, new QMouseEvent(type, QPointF(at), global,
                                                            Qt::LeftButton, held, Qt::NoModifier));
        }
        return answer("ok");
    }
    if (verb == "button") {
        QAbstractButton* button = buttonNamed(rest);
        if (!button)
            return answer("fail no button " + rest);
        QTimer::singleShot(0, button, &QAbstractButton::click);
        return answer("ok");
    }
    if (verb == "modal") {
        const QWidget* modal = QApplication::activeModalWidget();
        return answer(modal ? modal->windowTitle() : "none");
    }
    if (verb == "message") {
        const auto* box = qobject_cast<const QMessageBox*>(QApplication::activeModalWidget());
        return answer(box ? box->text().replace('\n', "\\n") : "none");
    }
    if (verb == "title")
        return answer(mainWindow_.windowTitle());
    if (verb == "status") {
        const auto* bar = mainWindow_.findChild<QStatusBar*>();
        return answer(bar ? bar->currentMessage() : QString());
    }
    if (verb == "wait") {
        QTimer::singleShot(rest.toInt(), this, [this] { answer("ok"); });
        return;
    }
    answer("fail unknown command " + verb);
}

void AutomationChannel::answer(const QString& text) {
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace zorv
