#include "app/about_dialog.h"
#include "tests/app/qt_printers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr char kProductText[] = "\nKadrel\nRevision 1.00\nA helper for 9x9 Sudoku\n\n";
constexpr char kSupportText[] =
    "\nFor support\n\nVisit our web site at:\nhttps://kadrel.example.org"
    "\n\nor eMail:\nsupport@example.org\n\nor Fax:\n+1 555-0142";

// A broken dialog must fail its test, not hang it: end the run after a while.
constexpr int kFailsafeMs = 5000;
constexpr int kFailsafeResult = -1;

// Runs the dialog modally; `during` runs once inside its modal loop.
int ExecWith(AboutDialog& dialog, const std::function<void()>& during)
{
    QTimer::singleShot(0, &dialog, during);
    QTimer::singleShot(kFailsafeMs, &dialog, [&dialog] { dialog.done(kFailsafeResult); });
    return dialog.exec();
}

// Where a person's key press would go: the focused control, else the dialog.
QWidget* KeyTarget(AboutDialog& dialog)
{
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && dialog.isAncestorOf(focus) ? focus : &dialog;
}

struct Interruption {
    const char* name;
    std::function<void(AboutDialog&)> act;
};

const Interruption kInterruptions[] = {
    {"Escape", [](AboutDialog& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Escape); }},
    {"Return", [](AboutDialog& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Return); }},
    {"keypad Enter",
     [](AboutDialog& d) { QTest::keyClick(KeyTarget(d), Qt::Key_Enter, Qt::KeypadModifier); }},
    {"close box", [](AboutDialog& d) { d.close(); }},
    {"OK button", [](AboutDialog& d) { d.OkButton()->click(); }},
};

const Interruption& Find(const std::string& name)
{
    for (const Interruption& i : kInterruptions) {
        if (name == i.name) {
            return i;
        }
    }
    throw std::invalid_argument(name);
}

} // namespace

TEST(AboutDialog, SplashClosesItselfAfterItsDelayWhateverThePersonDoes)
{
    AboutDialog splash(1, 300, nullptr);
    EXPECT_EQ(splash.parentWidget(), nullptr);

    // The delay counts from the first showing, not from construction.
    QTest::qWait(400);

    bool okShown = true;
    bool modal = false;
    std::vector<std::string> closedBy;
    QElapsedTimer clock;
    clock.start();
    const int result = ExecWith(splash, [&] {
        okShown = splash.OkButton()->isVisible();
        modal = QApplication::activeModalWidget() == &splash;
        for (const char* name : {"Escape", "Return", "keypad Enter", "close box", "OK button"}) {
            Find(name).act(splash);
            if (!splash.isVisible()) {
                closedBy.push_back(name);
            }
        }
    });

    EXPECT_EQ(result, 0);
    EXPECT_LT(clock.elapsed(), kFailsafeMs) << "the splash did not close by itself";
    EXPECT_FALSE(okShown);
    EXPECT_TRUE(modal);
    EXPECT_EQ(closedBy, std::vector<std::string>{});
}

TEST(AboutDialog, AboutBoxClosesOnlyByOkOrEnter)
{
    struct Case {
        const char* interruption;
        bool closes;
    };
    const Case cases[] = {
        {"OK button", true},
        {"Return", true},
        {"keypad Enter", true},
        {"Escape", false},
        {"close box", false},
    };
    QWidget owner;
    owner.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interruption);
        AboutDialog about(0, 0, &owner);
        bool okShown = false;
        bool modal = false;
        bool closedByIt = false;
        const int result = ExecWith(about, [&] {
            okShown = about.OkButton()->isVisible();
            modal = QApplication::activeModalWidget() == &about;
            Find(c.interruption).act(about);
            closedByIt = !about.isVisible();
            if (!closedByIt) {
                about.OkButton()->click();
            }
        });
        EXPECT_EQ(closedByIt, c.closes);
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_TRUE(okShown);
        EXPECT_TRUE(modal);
        EXPECT_EQ(about.parentWidget(), &owner);
    }
}

TEST(AboutDialog, WindowIsAFixedCaptionedDialogWithACloseBoxOnly)
{
    for (int isSplash : {1, 0}) {
        SCOPED_TRACE(isSplash ? "splash" : "About box");
        AboutDialog dialog(isSplash, 3000, nullptr);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Kadrel"));
        EXPECT_EQ(dialog.size(), QSize(530, 271));
        EXPECT_EQ(dialog.minimumSize(), QSize(530, 271));
        EXPECT_EQ(dialog.maximumSize(), QSize(530, 271));
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    }
}

TEST(AboutDialog, ControlsSitWhereTheTemplatePutsThem)
{
    AboutDialog about(0, 0, nullptr);
    struct Case {
        const char* name;
        QWidget* control;
        QRect geometry;
    };
    const Case cases[] = {
        {"OK button", about.OkButton(), QRect(234, 226, 75, 23)},
        {"product text", about.ProductText(), QRect(72, 28, 194, 182)},
        {"support text", about.SupportText(), QRect(282, 28, 194, 182)},
        // A static icon takes its icon's size at the template's position.
        {"icon", about.Icon(), QRect(24, 42, 32, 32)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.control, nullptr);
        EXPECT_EQ(c.control->parentWidget(), &about);
        EXPECT_EQ(c.control->geometry(), c.geometry);
    }
    EXPECT_EQ(about.Icon()->pixmap().size(), QSize(32, 32));
}

TEST(AboutDialog, ControlsCarryTheTemplateIdsAndTexts)
{
    AboutDialog about(0, 0, nullptr);
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("1"));
    ASSERT_EQ(ok, about.OkButton());
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());

    struct Case {
        const char* objectName;
        QLabel* label;
        const char* text;
    };
    const Case cases[] = {
        {"1051", about.ProductText(), kProductText},
        {"1052", about.SupportText(), kSupportText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.objectName);
        auto* label = about.findChild<QLabel*>(QLatin1String(c.objectName));
        ASSERT_EQ(label, c.label);
        EXPECT_EQ(label->text().toStdString(), c.text);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        EXPECT_EQ(label->frameStyle(), QFrame::Panel | QFrame::Sunken);
    }
}

TEST(AboutDialog, TextsFitTheirPanels)
{
    AboutDialog about(0, 0, nullptr);
    about.show();
    for (QLabel* label : {about.ProductText(), about.SupportText()}) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QRect room = label->contentsRect();
        const QRect needed = QFontMetrics(label->font()).boundingRect(
            room, int(label->alignment()), label->text());
        EXPECT_LE(needed.width(), room.width());
        EXPECT_LE(needed.height(), room.height());
    }
}
