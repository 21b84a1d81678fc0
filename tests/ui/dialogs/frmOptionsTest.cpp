#include "frmOptions.h"

#include "DialogTesting.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace halvard::ui {
namespace {

using test::Find;
using test::OpenMessageBoxOf;
using test::ShownDialog;

QWidget* Page(const frmOptions* options, int page) {
    return Find<QWidget>(options, ("picOptions_" + std::to_string(page)).c_str());
}

// Exactly one page in place (left 14 px) and enabled; the others far out of sight and disabled.
void ExpectOnlyPageShown(const frmOptions* options, int shown) {
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        EXPECT_EQ(Page(options, page)->x(), page == shown ? 14 : -1333);
        EXPECT_EQ(Page(options, page)->isEnabled(), page == shown);
    }
}

TEST(frmOptions, OpensOnTheFirstOfFourPages) {
    ShownDialog<frmOptions> options;
    EXPECT_EQ(options->windowTitle(), "Options");
    auto* tabs = Find<QTabBar>(options.get(), "tbsOptions");
    ASSERT_EQ(tabs->count(), 4);
    for (int tab = 0; tab < 4; ++tab) {
        EXPECT_EQ(tabs->tabText(tab), QStringLiteral("Group %1").arg(tab + 1));
        auto* frame = Find<QGroupBox>(options.get(), ("fraSample" + std::to_string(tab + 1)).c_str());
        EXPECT_EQ(frame->title(), QStringLiteral("Sample %1").arg(tab + 1));
        EXPECT_EQ(frame->parentWidget(), Page(options.get(), tab));
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
    ExpectOnlyPageShown(options.get(), 0);
    EXPECT_EQ(Find<QPushButton>(options.get(), "cmdOK")->text(), "OK");
    EXPECT_EQ(Find<QPushButton>(options.get(), "cmdCancel")->text(), "Cancel");
    EXPECT_EQ(Find<QPushButton>(options.get(), "cmdApply")->text(), "&Apply");
}

TEST(frmOptions, ClickingATabShowsItsPage) {
    ShownDialog<frmOptions> options;
    auto* tabs = Find<QTabBar>(options.get(), "tbsOptions");
    for (int tab : {2, 3, 1, 0}) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        EXPECT_EQ(tabs->currentIndex(), tab);
        ExpectOnlyPageShown(options.get(), tab);
    }
}

struct KeyCase {
    const char* name;
    int fromTab; // counted from 0, as the tab bar counts
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int toTab;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class frmOptionsKeys : public ::testing::TestWithParam<KeyCase> {};

// The key goes to the control with the focus, as a real key press does, and still reaches the
// dialog; each control in turn.
TEST_P(frmOptionsKeys, CtrlTabMovesBetweenTabs) {
    const KeyCase& c = GetParam();
    for (const char* receiver : {"cmdOK", "cmdApply", "tbsOptions"}) {
        SCOPED_TRACE(receiver);
        ShownDialog<frmOptions> options;
        auto* tabs = Find<QTabBar>(options.get(), "tbsOptions");
        tabs->setCurrentIndex(c.fromTab);
        QTest::keyClick(Find<QWidget>(options.get(), receiver), c.key, c.modifiers);
        EXPECT_EQ(tabs->currentIndex(), c.toTab);
        ExpectOnlyPageShown(options.get(), c.toTab);
    }
}

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, frmOptionsKeys, ::testing::Values(
    KeyCase{"CtrlTabNext",               0, Qt::Key_Tab,     Ctrl,                     1},
    KeyCase{"CtrlTabWrapsToFirst",       3, Qt::Key_Tab,     Ctrl,                     0},
    KeyCase{"CtrlShiftTabPrevious",      2, Qt::Key_Backtab, CtrlShift,                1},
    KeyCase{"CtrlShiftTabWrapsToLast",   0, Qt::Key_Backtab, CtrlShift,                3},
    KeyCase{"CtrlShiftPlainTabKey",      1, Qt::Key_Tab,     CtrlShift,                0},
    KeyCase{"AltIsIgnored",              1, Qt::Key_Tab,     Ctrl | Qt::AltModifier,   2},
    KeyCase{"AltIsIgnoredBackwards",     1, Qt::Key_Backtab, CtrlShift | Qt::AltModifier, 0},
    KeyCase{"AltTabAloneDoesNothing",    1, Qt::Key_Tab,     Qt::AltModifier,          1},
    KeyCase{"CtrlOtherKeyDoesNothing",   1, Qt::Key_A,       Ctrl,                     1},
    KeyCase{"CtrlPageDownDoesNothing",   1, Qt::Key_PageDown, Ctrl,                    1}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(frmOptions, KeyDownCountsOnlyTheShiftAndCtrlBits) {
    const struct {
        int keyCode, shift, toTab;
    } cases[] = {
        {9, 2, 3}, {9, 3, 1}, {9, 6, 3}, {9, 7, 1},  {9, 0x7FFE, 3}, {9, 0x7FFF, 1},
        {9, 0, 2}, {9, 1, 2}, {9, 4, 2}, {10, 2, 2}, {0, 3, 2},
    };
    ShownDialog<frmOptions> options;
    auto* tabs = Find<QTabBar>(options.get(), "tbsOptions");
    for (const auto& c : cases) {
        tabs->setCurrentIndex(1);
        EXPECT_EQ(options->Form_KeyDown(c.keyCode, c.shift), c.toTab != 2) << c.keyCode << " " << c.shift;
        EXPECT_EQ(tabs->currentIndex() + 1, c.toTab) << c.keyCode << " " << c.shift;
    }
}

TEST(frmOptions, OkTellsWhereOptionsGoThenUnloads) {
    ShownDialog<frmOptions> options;
    Find<QPushButton>(options.get(), "cmdOK")->click();

    QMessageBox* box = OpenMessageBoxOf(options.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Code goes here to set options and close dialog!");
    EXPECT_EQ(box->windowTitle(), "Halvard");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_FALSE(options.Gone()) << "closed before the player answered";

    box->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(options.Gone());
}

TEST(frmOptions, ApplyTellsWhereOptionsGoAndStaysOpen) {
    ShownDialog<frmOptions> options;
    Find<QPushButton>(options.get(), "cmdApply")->click();

    QMessageBox* box = OpenMessageBoxOf(options.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Apply Code goes here to set options w/o closing dialog!");
    EXPECT_EQ(box->windowTitle(), "Halvard");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);

    box->button(QMessageBox::Ok)->click();
    EXPECT_FALSE(options.Gone());
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(OpenMessageBoxOf(options.get()), nullptr);
}

TEST(frmOptions, CancelUnloadsWithoutAMessage) {
    ShownDialog<frmOptions> options;
    Find<QPushButton>(options.get(), "cmdCancel")->click();
    EXPECT_EQ(OpenMessageBoxOf(options.get()), nullptr);
    EXPECT_TRUE(options.Gone());
}

} // namespace
} // namespace halvard::ui
