#pragma once

#include <QEvent>
#include <QHash>
#include <QObject>
#include <QString>
#include <QWidget>

// Counts the paints of a widget and all its children, by class name.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* top)
    {
        top->installEventFilter(this);
        for (QWidget* child : top->findChildren<QWidget*>())
            child->installEventFilter(this);
    }

    QHash<QString, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[QString::fromLatin1(watched->metaObject()->className())];
        return false;
    }
};
