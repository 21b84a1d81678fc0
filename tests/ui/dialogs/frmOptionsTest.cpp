#include "frmOptions.h"

#include "DialogTesting.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace halvard::ui {
namespace {

using test::Control;
using test::OpenMessageBoxOf;
using test::ShownDialog;

// Exactly one page in place (left 14 px) and enabled; the others far out of sight and disabled.
void ExpectOnlyPageShown(const frmOptions* options, int shown) {
    for (int page = 0; page < 4; ++page) {
        const QWidget* picture = Control(options, QStringLiteral("picOptions_%1").arg(page));
        EXPECT_EQ(picture->x(), page == shown ? 14 : -1333) << "page " << page;
        EXPECT_EQ(picture->isEnabled(), page == shown) << "page " << page;
    }
}

TEST(frmOptions, OpensOnTheFirstOfFourPagesAndAClickedTabShowsItsPage) {
    ShownDialog<frmOptions> options;
    EXPECT_EQ(options->windowTitle(), "Options");
    auto* tabs = Control<QTabBar>(options.get(), "tbsOptions");
    ASSERT_EQ(tabs->count(), 4);
    ExpectOnlyPageShown(options.get(), 0);
    for (int tab : {2, 3, 1, 0}) {
        EXPECT_EQ(tabs->tabText(tab), QStringLiteral("Group %1").arg(tab + 1));
        EXPECT_EQ(Control<QGroupBox>(options.get(), QStringLiteral("fraSample%1").arg(tab + 1))->title(),
                  QStringLiteral("Sample %1").arg(tab + 1));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        EXPECT_EQ(tabs->currentIndex(), tab);
        ExpectOnlyPageShown(options.get(), tab);
    }
}

// A key goes to the control with the focus, as a real key press does, and still reaches the
// dialog's own handling of the keys, whose cases are the table below.
TEST(frmOptions, CtrlTabAndCtrlShiftTabMoveBetweenTabsFromAnyControl) {
    ShownDialog<frmOptions> options;
    auto* tabs = Control<QTabBar>(options.get(), "tbsOptions");
    for (const char* receiver : {"cmdOK", "cmdApply", "tbsOptions"}) {
        tabs->setCurrentIndex(0);
        QTest::keyClick(Control(options.get(), receiver), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), 1) << receiver;
        QTest::keyClick(Control(options.get(), receiver), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(Control(options.get(), receiver), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(tabs->currentIndex(), 3) << receiver;
    }
}

TEST(frmOptions, KeyDownCountsOnlyTheShiftAndCtrlBits) {
    const struct {
        int keyCode, shift, toTab;
    } cases[] = {
        {9, 2, 3}, {9, 3, 1}, {9, 6, 3}, {9, 7, 1},  {9, 0x7FFE, 3}, {9, 0x7FFF, 1},
        {9, 0, 2}, {9, 1, 2}, {9, 4, 2}, {10, 2, 2}, {0, 3, 2},
    };
    ShownDialog<frmOptions> options;
    auto* tabs = Control<QTabBar>(options.get(), "tbsOptions");
    for (const auto& c : cases) {
        tabs->setCurrentIndex(1);
        EXPECT_EQ(options->Form_KeyDown(c.keyCode, c.shift), c.toTab != 2) << c.keyCode << " " << c.shift;
        EXPECT_EQ(tabs->currentIndex() + 1, c.toTab) << c.keyCode << " " << c.shift;
    }
}

// OK and Apply tell where options would go (OK unloads once the player answers); Cancel
// unloads without a word.
TEST(frmOptions, OkApplyAndCancel) {
    const struct {
        const char* button;
        const char* message;
        bool unloads;
    } cases[] = {
        {"cmdOK", "Code goes here to set options and close dialog!", true},
        {"cmdApply", "Apply Code goes here to set options w/o closing dialog!", false},
        {"cmdCancel", nullptr, true},
    };
    for (const auto& c : cases) {
        ShownDialog<frmOptions> options;
        Control<QPushButton>(options.get(), c.button)->click();
        QMessageBox* box = OpenMessageBoxOf(options.get());
        if (c.message == nullptr) {
            EXPECT_EQ(box, nullptr);
        } else {
            ASSERT_NE(box, nullptr) << c.button;
            EXPECT_EQ(box->text(), c.message);
            EXPECT_EQ(box->windowTitle(), "Halvard");
            EXPECT_FALSE(options.Gone()) << "closed before the player answered";
            box->button(QMessageBox::Ok)->click();
        }
        EXPECT_EQ(options.Gone(), c.unloads) << c.button;
    }
}

} // namespace
} // namespace halvard::ui
