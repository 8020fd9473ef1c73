#pragma once

#include "app/game_state.h"
#include "app/qt_shell.h"
#include "board/board.h"

#include <QDialog>

#include <memory>

class BoardWindow;
class MainToolBar;
class StatusPart;
class QMenu;
class QMenuBar;
class QStatusBar;

// The program's only top-level window: menus, tool bar, two-part status bar
// and the board, laid out in code. It owns the Board for the whole run and
// mirrors the Board's mode in its status bar and tool bar.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Board& GetBoard() { return board_; }
    BoardWindow* GetBoardWindow() const { return boardWindow_; }
    MainToolBar* ToolBar() const { return toolBar_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QMenu* BoardMenu() const { return boardMenu_; }
    QMenu* HelpMenu() const { return helpMenu_; }
    QString StatusText(int part) const;
    int ClockTimerId() const { return clockTimer_; }

    // Enter and Escape never end the main window; only Exit and closing do.
    void accept() override {}
    void reject() override {}

    void OnCommand(int commandId);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void OnSize();
    void UpdateMinimumSize();
    void OnInitMenuPopup();
    void OnBoardUndo();
    void OnBoardExit();
    void OnHelpAbout();

    Board board_;
    QMenuBar* menuBar_ = nullptr;
    QMenu* boardMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    MainToolBar* toolBar_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    StatusPart* statusParts_[2] = {nullptr, nullptr};
    BoardWindow* boardWindow_ = nullptr;
    std::unique_ptr<QtShell> shell_;
    std::unique_ptr<GameState> game_;
    int clockTimer_ = 0;
};
