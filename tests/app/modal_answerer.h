#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <string>
#include <vector>

// Answers message boxes as they appear: a repeating timer looks for a modal
// QMessageBox, notes its caption and text, and presses the given button.
// Polling from a timer, never waiting inside one, keeps it clear of the
// nested event loop the box runs.
class ModalAnswerer {
public:
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer)
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    std::vector<std::string> seen;  // "caption: text"

private:
    void Poll()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        seen.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
        if (QAbstractButton* button = box->button(answer_))
            button->click();
        else
            box->reject();
    }

    QMessageBox::StandardButton answer_;
    QTimer timer_;
};
