#include "RuleChecker.h"

#include "RuleCheckerInternals.h"

#include <algorithm>
#include <cctype>

namespace halvard::test {
namespace {

Snapshot Take(const EntryFlow& flow, const Game& game) {
    Snapshot snapshot;
    snapshot.Current = flow.Current();
    snapshot.State = game;
    snapshot.Waves = game.Waves;
    snapshot.Rolls = game.Rolls.Total();
    snapshot.Messages = game.Messages.Total();
    if (flow.Current() != Screen::Mission) return snapshot;
    const MissionScreen& screen = flow.Mission();
    snapshot.Step = screen.cmdNextStep;
    for (int gun = FirstGun; gun <= LastGun; ++gun)
        snapshot.Guns[gun] = screen.lblGun[gun];
    snapshot.Wounds = screen.lblCrewWound;
    snapshot.OnTarget = screen.lblOnTarget;
    snapshot.BombPct = screen.lblBombPct;
    snapshot.Numbers = {screen.nPhase, screen.nWavesAppearing, screen.nRemovals, screen.nCurrentFighter,
                        screen.nSelectedGun};
    snapshot.Cover = screen.sCover;
    snapshot.Flak = screen.sFlakDensity;
    return snapshot;
}

} // namespace

bool CanBeChasedOff(const FighterRecord& fighter) {
    const std::string_view special = fighter.Special.View();
    return !(special.empty() || special == "B" || special == "D" || special == "BD");
}

std::string Event::Describe() const {
    switch (What) {
    case Action::Region: return "entry screen region " + std::to_string(Index);
    case Action::FixMission:
        return Index == 0 ? "mission number drawn" : "mission number " + std::to_string(Index);
    case Action::Option: return "target dialog option " + std::to_string(Index);
    case Action::TypeTarget: return "target list text \"" + Text + "\"";
    case Action::DialogOK: return "target dialog OK";
    case Action::DialogCancel: return "target dialog Cancel";
    case Action::Step: return "step button";
    case Action::Cell: return "to-hit cell " + std::to_string(Index);
    case Action::Gun: return "gun counter " + std::to_string(Index);
    case Action::OK: return "mission OK";
    }
    return "?";
}

RuleChecker::RuleChecker(Game& game, EntryFlow& flow)
    : game_(game), flow_(flow), expect_(std::make_unique<Expectations>()) {
    game_.Messages.SetListener([this](std::string_view line) { messages_.emplace_back(line); });
    game_.Rolls.SetListener([this](std::string_view line) { rolls_.emplace_back(line); });
}

RuleChecker::~RuleChecker() {
    game_.Messages.SetListener({});
    game_.Rolls.SetListener({});
}

int RuleChecker::StillToRemove() const {
    return expect_->StillToRemove();
}
bool RuleChecker::Marked(int row) const {
    return expect_->Marked[static_cast<std::size_t>(row)];
}
bool RuleChecker::Landed() const {
    return expect_->Landed;
}

bool RuleChecker::IsIdle(const Event& event) const {
    const Screen current = flow_.Current();
    // The entry screen's regions act only while it is shown, and then only 0 and 4.
    if (event.What == Action::Region)
        return current != Screen::Entry || (event.Index >= 1 && event.Index <= 3);
    if (current != Screen::Mission) return false;
    const MissionScreen& screen = flow_.Mission();
    const int phase = screen.nPhase;
    switch (event.What) {
    case Action::Step: return !screen.cmdNextStep.Enabled;
    case Action::Cell:
        if (phase == phase::RemoveEnemyFighters)
            return event.Index > game_.Fighters.UpperBound() || !CanBeChasedOff(game_.Fighters[event.Index]);
        if (phase == phase::AssignGuns)
            return expect_->Selected == 0 || ExpectedToHitCaption(event.Index).empty();
        return true;
    case Action::Gun:
        return phase != phase::AssignGuns || (expect_->Selected == 0 && !Selectable(event.Index));
    default: return false;
    }
}

RuleChecker::Before RuleChecker::Capture(const Event& event) const {
    Before before;
    before.Current = flow_.Current();
    before.State = game_;
    before.Rolls = game_.Rolls.Total();
    if (before.Current == Screen::Mission) {
        const MissionScreen& screen = flow_.Mission();
        before.Phase = screen.nPhase;
        before.StepEnabled = screen.cmdNextStep.Enabled;
        before.WavesAppearing = screen.nWavesAppearing;
        before.CurrentFighter = screen.nCurrentFighter;
    }
    if (before.Current == Screen::TargetDialog) {
        const TargetSelection& dialog = flow_.TargetDialog();
        before.RandomChoice = dialog.optTargetChoice[0].Value;
        before.Typed = dialog.cboTargetList.Text;
    }
    if (IsIdle(event)) before.Idle = Take(flow_, game_);
    return before;
}

void RuleChecker::Check(const Event& event, const std::function<void()>& perform) {
    const Before before = Capture(event);
    messages_.clear();
    rolls_.clear();
    try {
        perform();
    } catch (const std::exception& e) {
        Fail("the event threw: ", e.what());
    }
    // A roll line is the result padded or cut to two characters, ":" and the label.
    for (const std::string& line : rolls_)
        Require(line.size() >= 3 && line[2] == ':' && std::isdigit(static_cast<unsigned char>(line[0])) &&
                    (line[1] == ' ' || std::isdigit(static_cast<unsigned char>(line[1]))),
                "the roll window shows \"", line, "\"");
    Require(game_.Rolls.Count() <= 38, "the roll window holds ", game_.Rolls.Count(), " lines");
    Require(game_.Messages.Count() <= 45, "the message list holds ", game_.Messages.Count(), " lines");
    if (before.Idle) {
        ++counts_.IdleEvents;
        const Snapshot after = Take(flow_, game_);
        const std::string changed = before.Idle->Difference(after);
        Require(changed.empty(), "an event the rules give no effect changed ", changed);
    }
    CheckEvent(event, before);
    if (flow_.Current() == Screen::Mission) CheckMission();
}

void RuleChecker::CheckEvent(const Event& event, const Before& before) {
    const Screen current = flow_.Current();
    switch (event.What) {
    case Action::Region:
        if (before.Current != Screen::Entry) return;
        if (event.Index == 4) Require(current == Screen::Ended, "region 4 did not end the program");
        if (event.Index != 0) return;
        {
            Require(current == Screen::TargetDialog, "region 0 did not open the target dialog");
            const TargetSelection& dialog = flow_.TargetDialog();
            Require(dialog.optTargetChoice[0].Value && !dialog.optTargetChoice[1].Value &&
                        !dialog.cboTargetList.Enabled && dialog.cboTargetList.Text.empty(),
                    "the target dialog did not open anew");
            Require(std::ranges::equal(dialog.cboTargetList.List, game_.Database.TargetNames()),
                    "the target list is not the Targets table in its order");
        }
        return;
    case Action::Option: {
        const TargetSelection& dialog = flow_.TargetDialog();
        Require(dialog.optTargetChoice[event.Index].Value && !dialog.optTargetChoice[1 - event.Index].Value,
                "the options are not one group");
        Require(dialog.cboTargetList.Enabled == (event.Index == 1),
                "the list is enabled by the wrong option");
        return;
    }
    case Action::FixMission: fixedMission_ = event.Index; return;
    case Action::TypeTarget: return;
    case Action::DialogOK: CheckDialogOK(before); return;
    case Action::DialogCancel:
        Require(game_.SelectedTarget == before.State.SelectedTarget &&
                    game_.Mission.MissionNo == before.State.Mission.MissionNo,
                "Cancel changed the target or the mission number");
        if (!targetConfirmed_) {
            Require(current == Screen::Entry, "Cancel before any confirmed target left the entry screen");
            return;
        }
        Require(current == Screen::Mission, "Cancel after a confirmed target did not fly it again");
        StartMission();
        return;
    case Action::OK:
        Require(current == Screen::Entry, "OK did not return to the entry screen");
        if (before.Phase >= phase::RollForFighterCover && before.Phase <= phase::WaveResolved)
            ++counts_.LeftMidWave;
        return;
    case Action::Step:
        if (before.StepEnabled) CheckStep(before);
        return;
    case Action::Cell:
    case Action::Gun: break;
    }

    // A click on the screen rolls nothing and changes no record of the game.
    Require(game_.Rolls.Total() == before.Rolls, "a click rolled a die");
    Require(static_cast<const GameState&>(game_) == before.State, "a click changed the mission state");
    Require(messages_.empty(), "a click wrote to the message list");
    if (before.Idle) return;
    if (event.What == Action::Cell && before.Phase == phase::RemoveEnemyFighters) {
        bool& marked = expect_->Marked[static_cast<std::size_t>(event.Index)];
        marked = !marked;
    } else if (event.What == Action::Cell) {
        expect_->Aim[expect_->Selected] = event.Index;
    } else {
        if (expect_->Selected > 0) expect_->ShownFor = 0;
        if (Selectable(event.Index)) expect_->Selected = expect_->ShownFor = event.Index;
    }
}

void RuleChecker::CheckDialogOK(const Before& before) {
    const int number = game_.Mission.MissionNo;
    if (fixedMission_ != 0)
        Require(number == fixedMission_, "OK took mission number ", number, ", not the fixed ",
                fixedMission_);
    else
        Require(number >= 11 && number <= 25, "OK drew mission number ", number, ", outside 11-25");
    const bool refused =
        !before.RandomChoice && (before.Typed.empty() || !game_.Database.FindTarget(before.Typed));
    if (refused) {
        Require(flow_.Current() == Screen::TargetDialog, "OK took the target \"", before.Typed, "\"");
        Require(game_.SelectedTarget == before.State.SelectedTarget, "a refused OK changed the target");
        return;
    }
    Require(flow_.Current() == Screen::Mission, "OK with a target did not start the mission");
    if (!before.RandomChoice)
        Require(game_.SelectedTarget == before.Typed, "OK took \"", game_.SelectedTarget, "\" instead of \"",
                before.Typed, "\"");
    StartMission();
}

void RuleChecker::StartMission() {
    ++counts_.Missions;
    Expectations& expect = *expect_;
    expect = Expectations{};
    targetConfirmed_ = true;
    for (int gun = FirstGun; gun <= LastGun; ++gun)
        expect.Ammo[gun] = StartingAmmo[static_cast<std::size_t>(gun)];

    const MissionScreen& screen = flow_.Mission();
    const MissionRecord& mission = game_.Mission;
    Require(screen.nPhase == phase::EnterNextZone && screen.cmdNextStep.Caption == "Enter Next Zone" &&
                screen.cmdNextStep.Enabled,
            "a new mission does not start at \"Enter Next Zone\"");
    Require(!game_.Waves.Visible && game_.Fighters.UpperBound() == 0 && mission.SuccessiveAttacks == 0,
            "a new mission starts with a wave");
    Require(game_.Messages.Count() == 0, "a new mission's message list is not empty");
    const TargetRow* target = game_.Database.FindTarget(game_.SelectedTarget);
    Require(target != nullptr, "the mission flies \"", game_.SelectedTarget, "\", no target of the database");
    Require(mission.Target.Name == game_.SelectedTarget && screen.lblTarget.Caption == game_.SelectedTarget &&
                mission.TargetZone == target->ZoneCount,
            "the mission did not load its target");
    Require(screen.lblMissionNo.Caption == std::to_string(mission.MissionNo),
            "the mission number is not shown");
    Require(mission.CurrentZone == 1 && mission.Target.Direction == "Out",
            "a new mission does not start at home");
    for (int zone = 2; zone <= mission.TargetZone; ++zone) {
        const ZoneRecord& record = mission.Target.Zone[zone];
        for (std::string_view cover : {record.CoverOut.View(), record.CoverBack.View()}) {
            Require(std::find(std::begin(CoverRatings), std::end(CoverRatings), cover) !=
                        std::end(CoverRatings),
                    "zone ", zone, " has fighter cover \"", cover, "\"");
            Require(zone <= 4 || cover == "None", "zone ", zone, " beyond 4 has fighter cover ", cover);
        }
    }
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const GunRecord& record = game_.Guns[gun];
        Require(record.Status == "OK" && record.Gunner == gun && record.Ammo == expect.Ammo[gun], "gun ", gun,
                " does not start manned, OK and with full ammunition");
    }
    for (int member = 1; member <= CrewCount; ++member)
        Require(game_.Crew[member].Wound == 0 && game_.CrewPos[member].Occupant == member, "crew member ",
                member, " does not start unhurt at his position");
}
} // namespace halvard::test
