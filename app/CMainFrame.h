#pragma once
// The main frame: menu bar, toolbar and status bar around the editing view, built from the
// command table's actions.

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QMenu;

namespace zorv {

class ActionRegistry;
class CTrueColorToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize kStartSize{800, 680};
    static constexpr QSize kMinimumSize{800, 665};
    static constexpr QSize kMaximumSize{1024, 768};
    static constexpr int kPointerPaneWidth = 50;

    explicit CMainFrame(ActionRegistry& actions, QWidget* parent = nullptr);

    void setView(QWidget* view);
    // The File menu's recent files, the latest first.
    void setRecentFiles(const std::vector<std::string>& paths);
    // The pane of at least 50 pixels beside the message pane (the pointer's position on the
    // page).
    void setPointerText(const QString& text);
    // A pane beside "Ready" (the memory meter, the problem count) that a prompt covers.
    void addMessagePane(QWidget* pane);
    // The width a prompt has in the status bar.
    int promptWidth() const;
    // Asked before the window closes; false keeps it open.
    void setCloseCheck(std::function<bool()> check) { closeCheck_ = std::move(check); }

    CTrueColorToolBar* toolBar() const { return toolBar_; }
    QLabel* pointerPane() const { return pointerPane_; }
    QMenu* menu(const QString& title) const;
    // Reads the Caps, Num and Scroll Lock states again.
    void refreshLockIndicators();

signals:
    // The view area was painted for the first time.
    void firstPainted();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void centreOnScreen();

    ActionRegistry& actions_;
    CTrueColorToolBar* toolBar_ = nullptr;
    QLabel* idlePane_ = nullptr;
    QLabel* pointerPane_ = nullptr;
    QList<QLabel*> lockPanes_;
    QList<QAction*> recentActions_;
    std::function<bool()> closeCheck_;
    bool painted_ = false;
};

} // namespace zorv
