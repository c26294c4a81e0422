#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <algorithm>

#include "app/CTrueColorToolBar.h"
#include "app/LayoutToolBar.h"
#include "app/LockKeyState.h"
#include "commands/ActionRegistry.h"
#include "commands/CommandTable.h"

// The frame's pictures are compiled into the application's library; they are registered once
// the frame is made.
static void initFrameResources() {
    Q_INIT_RESOURCE(zorveditor);
}

namespace zorv {

namespace {

constexpr int kButtonWidth = 18;
const char* const kIdleMessage = "Ready";

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

struct LockPane {
    LockKey key;
    const char* text;
    const char* name;
};
constexpr LockPane kLockPanes[] = {{LockKey::Caps, "CAP", "Caps Lock"},
                                   {LockKey::Num, "NUM", "Num Lock"},
                                   {LockKey::Scroll, "SCRL", "Scroll Lock"}};

} // namespace

CMainFrame::CMainFrame(ActionRegistry& actions, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      actions_(actions) {
    initFrameResources();
    // Tooltips (the memory meter's breakdown, the toolbar's names) show on hover even while
    // another window, a tool or a window manager that never activates us, has the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setMinimumSize(kMinimumSize);
    setMaximumSize(kMaximumSize);
    resize(kStartSize);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    centreOnScreen();
    qApp->installEventFilter(this);
}

void CMainFrame::buildMenus() {
    for (const MenuLayout& layout : menuBarLayout()) {
        QMenu* m = menuBar()->addMenu(text(layout.title));
        for (const LayoutEntry& entry : layout.entries) {
            switch (entry.item) {
            case LayoutItem::Command:
                m->addAction(actions_.action(entry.id));
                break;
            case LayoutItem::Separator:
                m->addSeparator();
                break;
            case LayoutItem::RecentFiles:
                for (CommandId id : {CommandId::FileRecent1, CommandId::FileRecent2,
                                     CommandId::FileRecent3, CommandId::FileRecent4}) {
                    recentActions_ << actions_.action(id);
                    m->addAction(actions_.action(id));
                }
                break;
            }
        }
    }
    setRecentFiles({});
}

void CMainFrame::buildToolBar() {
    toolBar_ = new CTrueColorToolBar(tr("Toolbar"), this);
    toolBar_->setObjectName("toolbar");
    toolBar_->setAccessibleName(tr("Toolbar"));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->loadTrueColorToolBar(kButtonWidth, ":/zorveditor/toolbar.bmp");
    int picture = 0;
    for (const LayoutEntry& entry : toolbarLayout()) {
        if (entry.item == LayoutItem::Separator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = actions_.action(entry.id);
        // The menus show no pictures; only the toolbar's buttons carry them.
        a->setIcon(toolBar_->icon(picture++));
        a->setIconVisibleInMenu(false);
        toolBar_->addAction(a);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    addToolBar(Qt::TopToolBarArea, makeLayoutToolBar(actions_, this));

    QAction* toggle = actions_.action(CommandId::ViewToolbar);
    toggle->setChecked(true);
    actions_.handle(CommandId::ViewToolbar, this,
                    [this, toggle] { toolBar_->setVisible(toggle->isChecked()); });
    connect(toolBar_, &QToolBar::visibilityChanged, toggle, [this, toggle] {
        // A floating toolbar closed by its own close box unchecks the entry too.
        if (!isHidden())
            toggle->setChecked(toolBar_->isVisible());
    });
}

void CMainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setAccessibleName(tr("Status bar"));
    // The message pane: "Ready" and the panes added beside it give way to a prompt, which then
    // has the width of the bar up to the pointer position.
    idlePane_ = new QLabel(tr(kIdleMessage), bar);
    idlePane_->setAccessibleName(tr("Message"));
    bar->addWidget(idlePane_, 1);
    pointerPane_ = new QLabel(" ", bar);
    // 50 pixels hold "%4d,%4d" in a small system font; the display pixel after it and a larger
    // font widen the pane so that the position is never cut off.
    pointerPane_->setFixedWidth(std::max(
        kPointerPaneWidth, pointerPane_->fontMetrics().horizontalAdvance(" 9999,9999  (191, 63)")));
    pointerPane_->setAccessibleDescription(tr("Pointer position"));
    pointerPane_->setFrameShape(QFrame::StyledPanel);
    bar->addPermanentWidget(pointerPane_);
    for (const LockPane& pane : kLockPanes) {
        auto* label = new QLabel(pane.text, bar);
        label->setAccessibleName(tr(pane.name));
        label->setFrameShape(QFrame::StyledPanel);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 10);
        lockPanes_ << label;
        bar->addPermanentWidget(label);
    }
    refreshLockIndicators();

    QAction* toggle = actions_.action(CommandId::ViewStatusBar);
    toggle->setChecked(true);
    actions_.handle(CommandId::ViewStatusBar, this,
                    [this, toggle] { statusBar()->setVisible(toggle->isChecked()); });
}

void CMainFrame::refreshLockIndicators() {
    for (qsizetype i = 0; i < lockPanes_.size(); ++i) {
        QLabel* label = lockPanes_[i];
        const std::optional<bool> on = lockKeyState(kLockPanes[i].key);
        // Where the system tells no state, the indicator stays greyed; else it shows its text
        // while the lock is on, as the keyboard's light does.
        label->setEnabled(on.has_value());
        label->setText(!on || *on ? kLockPanes[i].text : "");
        label->setToolTip(on ? QString() : tr("The system does not report this lock key"));
    }
}

void CMainFrame::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), kStartSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void CMainFrame::setView(QWidget* view) {
    setCentralWidget(view);
    view->installEventFilter(this);
}

void CMainFrame::setRecentFiles(const std::vector<std::string>& paths) {
    for (qsizetype i = 0; i < recentActions_.size(); ++i) {
        QAction* a = recentActions_[i];
        const bool used = i < qsizetype(paths.size());
        if (used) {
            const QString path = QString::fromStdString(paths[std::size_t(i)]);
            a->setText(QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
            a->setData(path);
        }
        a->setVisible(used);
    }
    // An empty list shows its place as the greyed entry "Recent File".
    if (paths.empty() && !recentActions_.isEmpty()) {
        QAction* first = recentActions_.first();
        first->setText(tr("Recent File"));
        first->setData(QString());
        first->setVisible(true);
    }
    for (QAction* a : recentActions_)
        a->setEnabled(!a->data().toString().isEmpty());
}

void CMainFrame::addMessagePane(QWidget* pane) {
    statusBar()->addWidget(pane);
}

int CMainFrame::promptWidth() const {
    // The bar writes its message from 6 pixels in to 2 pixels before the first permanent pane.
    return pointerPane_->x() - 2 - 6;
}

void CMainFrame::setPointerText(const QString& text) {
    pointerPane_->setText(text);
}

QMenu* CMainFrame::menu(const QString& title) const {
    for (QAction* a : menuBar()->actions()) {
        if (a->text() == title)
            return a->menu();
    }
    return nullptr;
}

bool CMainFrame::event(QEvent* event) {
    // The message pane goes back to its idle text when a menu or button stops prompting.
    if (event->type() == QEvent::StatusTip &&
        static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
        statusBar()->clearMessage();
        return true;
    }
    if (event->type() == QEvent::WindowActivate)
        refreshLockIndicators();
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            refreshLockIndicators();
    } else if (event->type() == QEvent::Paint && !painted_ && watched == centralWidget()) {
        painted_ = true;
        emit firstPainted();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closeCheck_ && !closeCheck_()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace zorv
