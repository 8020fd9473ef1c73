#pragma once

#include <QHash>
#include <QToolBar>

class QAction;

// The main window's tool bar: text under each image, no tooltips, all
// buttons the same size. Mode buttons show a pressed state that only
// PressButton changes; a click sends its command and nothing else.
class MainToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit MainToolBar(QWidget* parent);

    void AddButton(int commandId, const QString& text, const char* imagePath);  // a resource image
    void AddSeparator();
    void FitButtons();  // every button as large as the largest, plus 10 × 2 pixels of air

    void PressButton(int commandId, bool pressed);
    void EnableButton(int commandId, bool enabled);
    bool IsPressed(int commandId) const;
    bool IsEnabled(int commandId) const;
    QAction* Action(int commandId) const { return actions_.value(commandId); }

signals:
    void Command(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<int, QAction*> actions_;
    QHash<int, bool> pressed_;
};
