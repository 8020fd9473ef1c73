#include "app/main_tool_bar.h"

#include "app/resource_images.h"

#include <QAction>
#include <QEvent>
#include <QToolButton>

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(16, 16));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void MainToolBar::AddButton(int commandId, const QString& text, const char* imagePath)
{
    QAction* action = addAction(QIcon(LoadResourcePixmap(imagePath)), text);
    action->setCheckable(true);
    actions_.insert(commandId, action);
    pressed_.insert(commandId, false);
    connect(action, &QAction::triggered, this, [this, commandId, action] {
        action->setChecked(pressed_.value(commandId));  // undo the click's own toggle
        emit Command(commandId);
    });
    if (QWidget* button = widgetForAction(action))
        button->installEventFilter(this);
}

void MainToolBar::AddSeparator()
{
    addSeparator();
}

void MainToolBar::FitButtons()
{
    QSize size;
    for (QAction* action : std::as_const(actions_))
        if (QWidget* button = widgetForAction(action))
            size = size.expandedTo(button->sizeHint());
    size += QSize(10, 2);
    for (QAction* action : std::as_const(actions_))
        if (QWidget* button = widgetForAction(action))
            button->setFixedSize(size);
}

void MainToolBar::PressButton(int commandId, bool pressed)
{
    if (QAction* action = Action(commandId)) {
        pressed_[commandId] = pressed;
        action->setChecked(pressed);
    }
}

void MainToolBar::EnableButton(int commandId, bool enabled)
{
    if (QAction* action = Action(commandId))
        action->setEnabled(enabled);
}

bool MainToolBar::IsPressed(int commandId) const
{
    const QAction* action = Action(commandId);
    return action && action->isChecked();
}

bool MainToolBar::IsEnabled(int commandId) const
{
    const QAction* action = Action(commandId);
    return action && action->isEnabled();
}

bool MainToolBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;  // the buttons carry their text already
    return QToolBar::eventFilter(watched, event);
}
