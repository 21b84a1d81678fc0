// The entry screen's campaign menu, the campaign window, and a campaign's mission played, put
// away by a restart and taken up again, bound to the engine's campaign session and store.

#include "CampaignStore.h"
#include "CampaignWindows.h"
#include "DesktopHarness.h"
#include "frmCampaign.h"
#include "frmJournal.h"
#include "frmOpenCampaign.h"

#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::Click;
using test::Control;
using test::DesktopHarness;
using test::Lines;
using test::Settle;

class CampaignWindow : public test::ScratchStoreTest {
  protected:
    // Opens the campaign through the menu's list; the list's line for it is checked on the way.
    ui::CampaignWindows& OpenThroughMenu(DesktopHarness& program, const QString& expectedLine) {
        program.Entry()->mnuOpenCampaign->trigger();
        auto* list = Control<ui::frmOpenCampaign>(program.Entry(), "frmOpenCampaign");
        EXPECT_TRUE(list->isVisible());
        EXPECT_EQ(list->lstCampaigns->count(), 1);
        EXPECT_EQ(list->lstCampaigns->currentItem()->text(), expectedLine);
        Click(list->cmdOpen);
        Settle();
        if (program.desktop->Campaign() == nullptr) throw std::runtime_error("no campaign opened");
        return *program.desktop->Campaign();
    }
};

TEST(EntryMenu, HasTheCampaignEntriesAndKeepsThePictureAndRegionsInPlaceBelowIt) {
    DesktopHarness program;
    ui::frmEntry* entry = program.Entry();
    EXPECT_EQ(entry->mnuNewCampaign->text(), "&New campaign...");
    EXPECT_EQ(entry->mnuOpenCampaign->text(), "&Open campaign...");
    EXPECT_TRUE(entry->mnuAbout->text().startsWith("&About"));
    const QList<QAction*> menus = entry->mnuBar->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->menu()->actions(), (QList<QAction*>{entry->mnuNewCampaign, entry->mnuOpenCampaign}));
    EXPECT_EQ(menus[1]->menu()->actions(), QList<QAction*>{entry->mnuJournal});
    EXPECT_EQ(menus[2]->menu()->actions(), QList<QAction*>{entry->mnuOdds});
    EXPECT_EQ(menus[3]->menu()->actions(), QList<QAction*>{entry->mnuAbout});

    // The client area, with the picture and the click regions on it, is the window of before
    // moved down by the menu bar.
    const int menuHeight = entry->mnuBar->height();
    EXPECT_GT(menuHeight, 0);
    EXPECT_EQ(entry->picClient->geometry(), QRect(0, menuHeight, ui::Px(11910), ui::Px(7935)));
    EXPECT_EQ(entry->size(), QSize(ui::Px(11910), ui::Px(7935) + menuHeight));
    EXPECT_TRUE(entry->picMenu->geometry().contains(entry->picClient->rect())) << "the picture covers it";
    for (QWidget* child :
         std::initializer_list<QWidget*>{entry->picMenu, entry->imgChoice[0], entry->imgChoice[4]})
        EXPECT_EQ(child->parentWidget(), entry->picClient) << child->objectName().toStdString();
}

TEST_F(CampaignWindow, NewCampaignOpensItsWindowAndADuplicateNameIsRefused) {
    DesktopHarness program;
    const auto create = [&program] {
        program.Entry()->mnuNewCampaign->trigger();
        auto* ask = Control<QInputDialog>(program.Entry(), "newCampaign");
        ask->setTextValue("Ruhr Valley");
        ask->accept();
        Settle();
        return program.desktop->Campaign();
    };
    ui::CampaignWindows* campaign = create();
    ASSERT_NE(campaign, nullptr);
    EXPECT_FALSE(program.Entry()->isVisible());
    EXPECT_EQ(campaign->Window().tblRoster->rowCount(), 10);
    campaign->Window().close();
    Settle();
    EXPECT_TRUE(program.Entry()->isVisible());

    EXPECT_EQ(create(), nullptr);
    auto* failure = Control<QMessageBox>(program.Entry(), "campaignFailure");
    EXPECT_TRUE(failure->text().contains("Ruhr Valley")) << failure->text().toStdString();
}

// Put away by a restart in the middle of a mission, whose journal replays it so far, the campaign
// opens on that mission as it stood; its OK records it and readies the next.
TEST_F(CampaignWindow, AMissionInProgressComesBackAfterARestartAndItsOkRecordsIt) {
    MakeCampaign("Ruhr Valley");
    std::vector<QString> messages, rolls;
    {
        DesktopHarness program;
        ui::CampaignWindows& campaign = OpenThroughMenu(program, "Ruhr Valley - mission 1");
        EXPECT_EQ(campaign.Window().tblMissions->rowCount(), 0);
        EXPECT_EQ(campaign.Window().cmdFlyMission->text(), "Fly mission 1");
        Click(campaign.Window().cmdFlyMission);
        ui::frmGetTarget* dialog = campaign.TargetDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->windowTitle(), "Mission 1 of campaign Ruhr Valley");
        Click(dialog->cmdOK);
        Settle();
        ui::frmMission* mission = campaign.Mission();
        ASSERT_NE(mission, nullptr);
        EXPECT_FALSE(campaign.Window().isVisible());
        for (int step = 0; step < 3; ++step)
            Click(mission->cmdNextStep);
        EXPECT_EQ(campaign.Session().ActionsRecorded(), 4);
        messages = Lines(mission->lstMessages);
        rolls = Lines(campaign.RollWindow()->lstRollDice);

        // Its journal replays the mission in flight.
        EXPECT_EQ(Control<QPushButton>(&campaign.Window(), "cmdJournal")->text(), "Journal...");
        QTest::keyClick(mission, Qt::Key_J, Qt::ControlModifier);
        ui::frmJournal* journal = campaign.Journal();
        ASSERT_NE(journal, nullptr);
        EXPECT_EQ(journal->windowTitle(), "Mission Journal - Ruhr Valley");
        ASSERT_EQ(journal->lstMissions->count(), 1);
        EXPECT_TRUE(journal->lstMissions->item(0)->text().endsWith(" - in flight"));
        journal->ShowMoment(4);
        EXPECT_EQ(test::Looks(journal->ReplayScreen(), journal->ReplayRolls()),
                  test::Looks(mission, campaign.RollWindow()));
    }
    Settle();

    DesktopHarness restarted;
    ui::CampaignWindows& campaign = OpenThroughMenu(restarted, "Ruhr Valley - mission 1 in progress");
    ui::frmMission* mission = campaign.Mission();
    ASSERT_NE(mission, nullptr);
    EXPECT_TRUE(mission->isVisible());
    EXPECT_FALSE(campaign.Window().isVisible());
    EXPECT_EQ(Lines(mission->lstMessages), messages);
    EXPECT_EQ(Lines(campaign.RollWindow()->lstRollDice), rolls);
    EXPECT_FALSE(messages.empty());

    Click(mission->cmdOK);
    Settle();
    ui::frmCampaign& window = campaign.Window();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(window.tblMissions->rowCount(), 1);
    EXPECT_EQ(window.tblMissions->item(0, 0)->text(), "1");
    EXPECT_EQ(window.cmdFlyMission->text(), "Fly mission 2");
    EXPECT_TRUE(window.cmdFlyMission->isEnabled());
    EXPECT_EQ(CampaignStore(store).Load("Ruhr Valley")->NextMission, 2);
}

} // namespace
} // namespace halvard
