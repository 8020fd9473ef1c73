#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/board_placement.h"
#include "app/command_ids.h"
#include "app/dialog_units.h"
#include "app/main_tool_bar.h"
#include "app/resource_images.h"
#include "app/status_part.h"
#include "board/board_host.h"
#include "view/board_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {

struct MenuEntry {
    const char* text;  // nullptr for a separator
    int commandId;
};

constexpr MenuEntry kBoardMenu[] = {
    {"New", ID_BOARD_NEW},
    {"Restart play", ID_BOARD_RESTART},
    {nullptr, 0},
    {"Open...", ID_BOARD_OPEN},
    {"Save As...", ID_BOARD_SAVE_AS},
    {"Save", ID_BOARD_SAVE},
    {nullptr, 0},
    {"Print...", ID_BOARD_PRINT},
    {nullptr, 0},
    {"Undo", ID_BOARD_UNDO},
    {nullptr, 0},
    {"Exit", ID_BOARD_EXIT},
};

constexpr MenuEntry kHelpMenu[] = {
    {"Overview", ID_HELP_OVERVIEW},
    {nullptr, 0},
    {"Topics", ID_HELP_TOPICS},
    {nullptr, 0},
    {"View License", ID_HELP_LICENSE},
    {nullptr, 0},
    {"What New?", ID_HELP_WHATS_NEW},
    {nullptr, 0},
    {"About", ID_HELP_ABOUT},
};

struct ToolEntry {
    const char* text;  // nullptr for a separator
    int commandId;
    const char* image;
};

constexpr ToolEntry kToolBar[] = {
    {nullptr, 0, nullptr},
    {"Setup", ID_MODE_SETUP, kSetupImagePath},
    {"Play", ID_MODE_PLAY, kPlayImagePath},
    {"Pause", ID_MODE_PAUSE, kPauseImagePath},
    {nullptr, 0, nullptr},
    {"Save", ID_BOARD_SAVE, kSaveImagePath},
    {nullptr, 0, nullptr},
    {"Undo", ID_BOARD_UNDO, kUndoImagePath},
    {nullptr, 0, nullptr},
    {"Print", ID_BOARD_PRINT, kPrintImagePath},
};

constexpr int kClientWidthDlu = 320;
constexpr int kClientHeightDlu = 294;
constexpr int kStatusPart0Width = 100;
constexpr QSize kMinimumFrameSize(400, 450);  // the whole window, frame included
constexpr int kClockPeriodMs = 100;

template <std::size_t N>
void FillMenu(QMenu* menu, const MenuEntry (&entries)[N], MainWindow* window)
{
    for (const MenuEntry& entry : entries) {
        if (!entry.text) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromLatin1(entry.text));
        action->setData(entry.commandId);
        const int id = entry.commandId;
        QObject::connect(action, &QAction::triggered, window, [window, id] { window->OnCommand(id); });
    }
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Kadrel"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setMouseTracking(true);  // the mouse over the window, off the board, clears the hover

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    boardWindow_ = CreateBoardWindow(board_, this, IDC_BOARD);
    setWindowIcon(QIcon(LoadResourcePixmap(kIconImagePath)));

    shell_ = std::make_unique<QtShell>(this, toolBar_, statusParts_[0], statusParts_[1]);
    game_ = std::make_unique<GameState>(board_, *shell_);

    resize(DialogUnitsToPixelsX(kClientWidthDlu),
           menuBar_->sizeHint().height() + DialogUnitsToPixelsY(kClientHeightDlu));
    OnSize();
    game_->SwitchMode(BoardMode::Setup);
    clockTimer_ = startTimer(kClockPeriodMs);
    game_->UpdateToolBarStates();

    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    delete boardWindow_;  // it talks to the board, which members outlive only until here
}

void MainWindow::BuildMenus()
{
    menuBar_ = new QMenuBar(this);
    boardMenu_ = menuBar_->addMenu(QStringLiteral("&Board"));
    FillMenu(boardMenu_, kBoardMenu, this);
    connect(boardMenu_, &QMenu::aboutToShow, this, &MainWindow::OnInitMenuPopup);
    helpMenu_ = menuBar_->addMenu(QStringLiteral("&Help"));
    FillMenu(helpMenu_, kHelpMenu, this);
}

void MainWindow::BuildToolBar()
{
    toolBar_ = new MainToolBar(this);
    for (const ToolEntry& entry : kToolBar) {
        if (entry.text)
            toolBar_->AddButton(entry.commandId, QString::fromLatin1(entry.text), entry.image);
        else
            toolBar_->AddSeparator();
    }
    toolBar_->PressButton(ID_MODE_SETUP, true);
    toolBar_->FitButtons();
    connect(toolBar_, &MainToolBar::Command, this, &MainWindow::OnCommand);
}

void MainWindow::BuildStatusBar()
{
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    for (StatusPart*& part : statusParts_)
        part = new StatusPart(statusBar_);
    statusParts_[0]->setFixedWidth(kStatusPart0Width);
    statusBar_->addWidget(statusParts_[0]);
    statusBar_->addWidget(statusParts_[1], 1);
}

QString MainWindow::StatusText(int part) const
{
    return statusParts_[part]->Text();
}

void MainWindow::OnSize()
{
    if (!statusBar_ || !boardWindow_)
        return;
    const int menuHeight = menuBar_->sizeHint().height();
    const int toolBarHeight = toolBar_->sizeHint().height();
    const int statusBarHeight = statusBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);

    // Below the menu bar everything is laid out as in a window whose menu
    // belongs to its frame.
    const int clientTop = menuHeight;
    const int clientHeight = height() - menuHeight;
    toolBar_->setGeometry(0, clientTop, width(), toolBarHeight);
    statusBar_->setGeometry(0, height() - statusBarHeight, width(), statusBarHeight);
    const BoardPlacement at = PlaceBoard(width(), clientHeight, toolBarHeight, statusBarHeight);
    boardWindow_->setGeometry(at.x, clientTop + at.y, at.width, at.height);
}

// The smallest size is for the window with its frame, which the window
// manager draws; its size is known once the window is shown and placed.
void MainWindow::UpdateMinimumSize()
{
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinimumFrameSize - frame);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    UpdateMinimumSize();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    UpdateMinimumSize();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    OnSize();
}

void MainWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == clockTimer_)
        game_->OnTimer();
    else
        QDialog::timerEvent(event);
}

bool MainWindow::event(QEvent* event)
{
    switch (static_cast<int>(event->type())) {
    case UM_BOARD_CHANGED:
        game_->OnBoardChanged();
        return true;
    case UM_BOARD_SOLVED:
        game_->OnBoardSolved();
        return true;
    default:
        return QDialog::event(event);
    }
}

// Digits and Delete go to the board from anywhere in this window, whichever
// child has the focus; every other key goes its usual way.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QDialog::eventFilter(watched, event);
    if (static_cast<QWidget*>(watched)->window() != this)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete) {
        board_.TypeKey('.');
        return true;
    }
    const QString text = key->text();
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
        board_.TypeKey(text[0].toLatin1());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    board_.SetHover(-1, -1);
    QDialog::mouseMoveEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    OnBoardExit();
}

void MainWindow::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_MODE_SETUP:
        game_->OnModeSetup();
        break;
    case ID_MODE_PLAY:
        game_->OnModePlay();
        break;
    case ID_MODE_PAUSE:
        game_->OnModePause();
        break;
    case ID_BOARD_UNDO:
        OnBoardUndo();
        break;
    case ID_BOARD_EXIT:
        OnBoardExit();
        break;
    case ID_HELP_ABOUT:
        OnHelpAbout();
        break;
    default:  // file, print and help commands arrive with their own work
        break;
    }
}

void MainWindow::OnInitMenuPopup()
{
    for (QAction* action : boardMenu_->actions()) {
        const int id = action->data().toInt();
        if (id == ID_BOARD_RESTART)
            action->setEnabled(board_.GetMode() == BoardMode::Playing);
        else if (id == ID_BOARD_UNDO)
            action->setEnabled(board_.GetHistorySize() != 0);
    }
}

void MainWindow::OnBoardUndo()
{
    if (board_.GetHistorySize() == 0)
        return;
    board_.Undo();
    game_->SwitchMode(board_.GetMode());
}

void MainWindow::OnBoardExit()
{
    done(0);
}

void MainWindow::OnHelpAbout()
{
    AboutDialog about(false, 0, this);
    about.exec();
}
