#include "app/about_dialog.h"

#include "app/dialog_units.h"
#include "app/resource_images.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QString>
#include <QTimerEvent>

#include <algorithm>

namespace {

// Template 120, in dialog units.
constexpr QRect kClientArea(0, 0, 353, 167);
constexpr QRect kOkRect(156, 139, 50, 14);
constexpr QRect kIconRect(16, 26, 20, 20);
constexpr QRect kProductTextRect(48, 17, 129, 112);
constexpr QRect kSupportTextRect(188, 17, 129, 112);

// The contact values are reserved examples: no real address or number.
constexpr char kWebAddress[] = "https://kadrel.example.org";
constexpr char kEMailAddress[] = "support@example.org";
constexpr char kFaxNumber[] = "+1 555-0142";

QString BuildProductText()
{
    return QStringLiteral("\nKadrel\nRevision 1.00\nA helper for 9x9 Sudoku\n\n");
}

QString BuildSupportText()
{
    return QStringLiteral("\nFor support\n\nVisit our web site at:\n") + QLatin1String(kWebAddress)
        + QStringLiteral("\n\nor eMail:\n") + QLatin1String(kEMailAddress)
        + QStringLiteral("\n\nor Fax:\n") + QLatin1String(kFaxNumber);
}

// A static text control that centres each line and starts at the top, in a
// sunken frame.
QLabel* CreateStaticText(QWidget* parent, int id, const QRect& units, const QString& text)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(id));
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(DialogUnitsToPixels(units));
    label->setText(text);
    return label;
}

} // namespace

AboutDialog::AboutDialog(int isSplash, int closeDelayMs, QWidget* owner)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      isSplash(isSplash),
      // A negative delay would start no timer, and the splash would never end.
      closeDelayMs(std::max(0, closeDelayMs))
{
    setWindowTitle(QStringLiteral("About Kadrel"));

    // The template's layout is measured in its 8-point font.
    QFont templateFont = font();
    templateFont.setPointSize(8);
    setFont(templateFont);
    setFixedSize(DialogUnitsToPixels(kClientArea).size());

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QString::number(kOkId));
    okButton->setDefault(true);
    okButton->setGeometry(DialogUnitsToPixels(kOkRect));
    connect(okButton, &QPushButton::clicked, this, &AboutDialog::accept);

    // A static icon takes the size of its icon, whatever the template says.
    icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    const QPixmap picture = LoadResourcePixmap(kIconImagePath);
    icon->setPixmap(picture);
    icon->setGeometry(QRect(DialogUnitsToPixels(kIconRect).topLeft(), picture.size()));

    productText = CreateStaticText(this, kProductTextId, kProductTextRect, BuildProductText());
    supportText = CreateStaticText(this, kSupportTextId, kSupportTextRect, BuildSupportText());
}

AboutDialog::~AboutDialog() = default;

bool AboutDialog::OnInitDialog()
{
    if (isSplash != 0) {
        okButton->hide();
        timerId = startTimer(closeDelayMs);
    }
    return true;
}

void AboutDialog::accept()
{
    OnOK();
}

void AboutDialog::reject()
{
    OnCancel();
}

void AboutDialog::OnOK()
{
    if (isSplash == 0) {
        QDialog::accept();
    }
}

void AboutDialog::OnCancel()
{
    // Escape closes neither form.
}

void AboutDialog::OnTimer()
{
    killTimer(timerId);
    timerId = 0;
    done(0);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    if (!initialised) {
        initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void AboutDialog::timerEvent(QTimerEvent* event)
{
    if (timerId != 0 && event->timerId() == timerId) {
        OnTimer();
        return;
    }
    QDialog::timerEvent(event);
}

void AboutDialog::closeEvent(QCloseEvent* event)
{
    // The close box, Close on the window menu and Alt+F4 close neither form.
    event->ignore();
}
