// What must hold of the mission screen after every event: the phase and caption of the table,
// the step button's state, a bomber that only gets worse, the panels, the wave row by row, and
// the marks and aims of the removal and the gun assignment.

#include "Gunnery.h"
#include "Names.h"
#include "PhaseTable.h"
#include "RuleChecker.h"
#include "RuleCheckerInternals.h"

namespace halvard::test {

int RuleChecker::ToHit(int gun, int fighter) const {
    const FighterRecord& record = game_.Fighters[fighter];
    return ChartGunnery(game_, gun, record.AttackPos, record.FighterType);
}

bool RuleChecker::Selectable(int gun) const {
    if (!Ready(game_.Guns[gun])) return false;
    for (int i = 1; i <= game_.Fighters.UpperBound(); ++i)
        if (ToHit(gun, i) > 0) return true;
    return false;
}

std::string RuleChecker::ExpectedToHitCaption(int cell) const {
    if (expect_->ShownFor == 0 || cell > game_.Fighters.UpperBound()) return "";
    const int toHit = ToHit(expect_->ShownFor, cell);
    return toHit > 0 ? std::to_string(toHit) : "";
}

void RuleChecker::CheckMission() const {
    const MissionScreen& screen = flow_.Mission();
    const MissionRecord& mission = game_.Mission;
    const int phase = screen.nPhase;

    const PhaseCaptions* row = FindPhase(phase);
    Require(row != nullptr, "phase ", phase, " is no phase of the table");
    const std::string caption = screen.cmdNextStep.Caption.Text();
    Require(caption == row->Captions[0] || (!row->Captions[1].empty() && caption == row->Captions[1]),
            "phase ", phase, " shows the caption \"", caption, "\"");
    const bool disabled = (phase == phase::RemoveEnemyFighters && expect_->StillToRemove() != 0) ||
                          (phase == phase::LandingAtBase && expect_->Landed);
    Require(screen.cmdNextStep.Enabled == !disabled, "the step button is ",
            screen.cmdNextStep.Enabled ? "enabled" : "disabled", " in phase ", phase);

    Expectations& expect = *expect_;
    for (int member = 1; member <= CrewCount; ++member) {
        const int wound = game_.Crew[member].Wound;
        Require(wound >= 0 && wound <= 4, "crew member ", member, " has wound level ", wound);
        Require(wound >= expect.Wound[member], "crew member ", member, "'s wound fell from ",
                expect.Wound[member], " to ", wound);
        expect.Wound[member] = wound;
    }
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const GunRecord& record = game_.Guns[gun];
        Require(record.Ammo >= 0, "gun ", gun, " has ", record.Ammo, " bursts");
        Require(record.Ammo <= expect.Ammo[gun], "gun ", gun, "'s ammunition rose from ", expect.Ammo[gun],
                " to ", record.Ammo);
        Require(record.Status == "OK" || record.Status == "Out", "gun ", gun, " has status \"", record.Status,
                "\"");
        Require(!expect.Out[gun] || record.Status == "Out", "gun ", gun, " came back from \"Out\"");
        Require(record.Gunner == 0 || game_.Crew[record.Gunner].Wound < 3, "gun ", gun,
                " is manned by a seriously wounded or killed crew member");
        expect.Ammo[gun] = record.Ammo;
        expect.Out[gun] = record.Status == "Out";
    }

    Require(mission.SuccessiveAttacks >= 0 && mission.SuccessiveAttacks <= 2, "successive attacks at ",
            mission.SuccessiveAttacks);
    const bool justLeftTarget = phase == phase::EnterNextZone && mission.Target.Direction == "Back" &&
                                mission.CurrentZone == mission.TargetZone + 1;
    Require((mission.CurrentZone >= 1 && mission.CurrentZone <= mission.TargetZone) || justLeftTarget,
            "the bomber is in zone ", mission.CurrentZone, " of a route to zone ", mission.TargetZone);
    Require(game_.Waves.Visible == (phase >= phase::RollForFighterCover && phase <= phase::WaveResolved),
            "the wave panel is ", game_.Waves.Visible ? "shown" : "hidden", " in phase ", phase);

    CheckPanels();
    CheckWave();
    if (phase == phase::RemoveEnemyFighters) CheckRemoval();
    if (phase == phase::AssignGuns) CheckAssignment();
}

// The gun and crew panels show the bomber as it is: ammunition, and the colour of the worst
// that has befallen each gun and crew member (which never gets better within a mission).
void RuleChecker::CheckPanels() const {
    const MissionScreen& screen = flow_.Mission();
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const GunRecord& record = game_.Guns[gun];
        const Colour colour = record.Ammo == 0         ? Colour::Orange
                              : record.Status == "Out" ? Colour::Red
                              : record.Gunner == 0     ? Colour::Blue
                                                       : Colour::Default;
        Require(screen.lblGun[gun].Caption == std::to_string(record.Ammo), "gun counter ", gun, " shows ",
                screen.lblGun[gun].Caption, " of ", record.Ammo, " bursts");
        Require(screen.lblGun[gun].ForeColour == colour && screen.lblGunName[gun].ForeColour == colour,
                "gun ", gun, " is not shown in the colour of its state");
    }
    static constexpr std::string_view WoundTexts[] = {"", "LW", "LW2", "SW"};
    for (int member = 1; member <= CrewCount; ++member) {
        const int wound = game_.Crew[member].Wound;
        const Label& cell = screen.lblCrewWound[member];
        if (wound == 4) {
            Require(!cell.Visible && !screen.lblCrewPos[member].Visible &&
                        !screen.lblCrewName[member].Visible,
                    "the row of killed crew member ", member, " is shown");
            continue;
        }
        const Colour colour = wound == 0 ? Colour::Default : wound == 3 ? Colour::Red : Colour::Blue;
        Require(cell.Visible && cell.Caption == WoundTexts[wound] && cell.ForeColour == colour &&
                    screen.lblCrewPos[member].ForeColour == colour && cell.Bold == (wound >= 2),
                "crew member ", member, " with wound level ", wound, " shows \"", cell.Caption, "\"");
    }
}

void RuleChecker::CheckWave() const {
    const int fighters = game_.Fighters.UpperBound();
    for (int i = 1; i <= WaveRows; ++i) {
        const WaveRow& row = game_.Waves.Row[i];
        Require(row.lblSkill.Caption.empty(), "row ", i, "'s skill cell is not empty");
        const Caption type = ShownType(game_, i);
        const std::string shown = ShownPosition(game_, i).Text();
        if (i > fighters) {
            Require(type.empty() && shown.empty(), "row ", i, " shows a fighter in a wave of ", fighters);
            continue;
        }
        const FighterRecord& fighter = game_.Fighters[i];
        Require(fighter.AttackPos >= 1 && fighter.AttackPos <= 20, "fighter ", i, " at position ",
                fighter.AttackPos);
        const std::string name(PositionNames[static_cast<std::size_t>(fighter.AttackPos)]);
        Require(type == fighter.FighterType.View() &&
                    (shown == name || shown == name + std::string(Marker(fighter.Special.View()))),
                "row ", i, " shows ", type, " at ", shown, " for fighter ", fighter.FighterType.View(),
                " at ", name);
    }
}

void RuleChecker::CheckRemoval() const {
    const MissionScreen& screen = flow_.Mission();
    const int still = expect_->StillToRemove();
    Require(screen.nRemovals == still, "nRemovals is ", screen.nRemovals, " with ", still,
            " marks still wanted");
    Require(game_.Waves.lblMiscWave.Caption == "Remove " + std::to_string(still) + " Enemy Fighters",
            "the instruction reads \"", game_.Waves.lblMiscWave.Caption, "\" with ", still,
            " marks still wanted");
    for (int i = 1; i <= game_.Fighters.UpperBound(); ++i) {
        const Label cell = screen.lblToHit[i];
        const bool marked = expect_->Marked[static_cast<std::size_t>(i)];
        const Colour colour =
            marked ? Colour::Blue : (CanBeChasedOff(game_.Fighters[i]) ? Colour::Normal : Colour::Red);
        Require(cell.BackColour == colour && cell.Tag == (marked ? "FC" : ""), "cell ", i, " does not show ",
                marked ? "its mark" : "that it is unmarked");
    }
}

void RuleChecker::CheckAssignment() const {
    const MissionScreen& screen = flow_.Mission();
    const Expectations& expect = *expect_;
    Require(screen.nSelectedGun == expect.Selected, "gun ", screen.nSelectedGun, " is selected, not ",
            expect.Selected);
    for (int i = 1; i <= WaveRows; ++i) {
        const Label cell = screen.lblToHit[i];
        const bool aimed = expect.Selected > 0 && expect.Aim[expect.Selected] == i;
        Require(cell.Caption == ExpectedToHitCaption(i), "cell ", i, " shows \"", cell.Caption, "\"");
        Require(cell.BackColour == (aimed ? Colour::Yellow : Colour::Normal), "cell ", i,
                aimed ? " is not yellow for the selected gun's aim"
                      : " is coloured without the selected gun's aim");
        Require(cell.Tag.empty(), "cell ", i, " carries the mark \"", cell.Tag, "\" in the assignment");
    }
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const Label& counter = screen.lblGun[gun];
        const Colour colour = gun == expect.ShownFor ? Colour::Yellow
                              : Selectable(gun)      ? Colour::Highlight
                                                     : Colour::Normal;
        Require(counter.BackColour == colour, "gun counter ", gun, " has the wrong background");
        const int aim = expect.Aim[gun];
        const std::string tag = aim == 0 ? "" : std::to_string(aim) + "/" + std::to_string(ToHit(gun, aim));
        Require(counter.Tag == tag, "gun ", gun, " carries the assignment \"", counter.Tag, "\", not \"", tag,
                "\"");
    }
}

} // namespace halvard::test
