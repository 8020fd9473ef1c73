#pragma once

#include <QString>
#include <QWidget>

// One part of the main window's status bar: a line of text on an opaque
// background. Changing the text repaints this part alone: no layout pass and
// no repaint of the parts around it, so the clock's tick stays cheap.
class StatusPart : public QWidget {
    Q_OBJECT

public:
    explicit StatusPart(QWidget* parent);

    void SetText(const QString& text);
    QString Text() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
