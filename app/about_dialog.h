#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box, which also serves as the start-up splash: the program's
// icon, the product text and the support contacts in two sunken panels. The
// splash has no OK button and closes itself closeDelayMs after it is first
// shown; the About box closes by OK or Enter alone. Escape and the close box
// close neither.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids of the dialog's template, also the controls' object names.
    static constexpr int kOkId = 1;
    static constexpr int kProductTextId = 1051;
    static constexpr int kSupportTextId = 1052;

    // isSplash non-zero makes the splash, which has no owner; the About box is
    // modal to its owner. closeDelayMs is used by the splash alone.
    AboutDialog(int isSplash, int closeDelayMs, QWidget* owner);
    ~AboutDialog() override;

    // Enter and the OK button.
    void accept() override;
    // Escape.
    void reject() override;

    QPushButton* OkButton() const { return okButton; }
    QLabel* ProductText() const { return productText; }
    QLabel* SupportText() const { return supportText; }
    QLabel* Icon() const { return icon; }

protected:
    // Runs once, just before the dialog is first shown: the splash hides its
    // OK button and starts its one timer there.
    bool OnInitDialog();
    void OnOK();
    void OnCancel();
    void OnTimer();

    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int isSplash;
    int closeDelayMs;
    int timerId = 0;
    bool initialised = false;

    QPushButton* okButton = nullptr;
    QLabel* icon = nullptr;
    QLabel* productText = nullptr;
    QLabel* supportText = nullptr;
};
