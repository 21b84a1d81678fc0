#include "MissionScreen.h"

#include "BombRun.h"
#include "FlakCharts.h"
#include "Game.h"
#include "Gunnery.h"
#include "HitLocation.h"
#include "MissionSetup.h"
#include "Names.h"
#include "WaveCharts.h"
#include "ZoneCharts.h"

#include <array>
#include <string_view>

namespace halvard {
namespace {

constexpr std::array<std::string_view, 11> GunNames = {
    "", "", "Nose", "P Cheek", "S Cheek", "Radio", "P Waist", "S Waist", "Top Turret", "Ball Turret", "Tail",
};

constexpr std::array<std::string_view, 11> CrewPositionNames = {
    "",          "Pilot",          "Co-Pilot",       "Bombardier",
    "Navigator", "Radio Operator", "P Waist Gunner", "S Waist Gunner",
    "Engineer",  "Ball Gunner",    "Tail Gunner",
};

// Asked after every press, and nearly always answered by the pilot.
bool EveryoneKilled(const GameState& state) {
    for (const CrewRecord& member : state.Crew)
        if (member.Wound < Killed) return false;
    return true;
}

} // namespace

MissionScreen::MissionScreen(Game& game, std::function<void()> unload)
    : game_(game), unload_(std::move(unload)) {
    for (int member = 1; member <= CrewCount; ++member) {
        lblCrewPos[member].Caption.SetFixed(CrewPositionNames[static_cast<std::size_t>(member)]);
        lblCrewName[member].Caption = "(names later)";
    }
}

std::string_view MissionScreen::CrewPositionName(int position) {
    return CrewPositionNames.at(static_cast<std::size_t>(position));
}

void MissionScreen::NameTheCrew(const IndexedArray<std::string, 1, CrewCount>& names) {
    for (int member = 1; member <= CrewCount; ++member)
        lblCrewName[member].Caption = names[member];
}

WavePanel& MissionScreen::fraWaves() {
    return game_.Waves;
}
const WavePanel& MissionScreen::fraWaves() const {
    return game_.Waves;
}

int MissionScreen::FighterCount() const {
    return game_.Fighters.UpperBound();
}

void MissionScreen::Form_Load() {
    // The screen's own lists and panels come up empty with it.
    game_.Messages.Clear();
    game_.Waves.Clear();
    // A mission left by OK in the middle of a wave must not hand that wave, or the successive
    // attacks it had made, to the next mission's first wave.
    game_.Fighters.Clear();
    game_.Mission.SuccessiveAttacks = 0;
    game_.Mission.Ending.reset();

    LoadTarget(game_);
    InitMission(game_);
    RefreshDisplay();
    nPhase = phase::EnterNextZone;
}

std::string_view MissionScreen::CoverOfTheLeg() const {
    const ZoneRecord& zone = game_.Mission.Target.Zone[game_.Mission.CurrentZone];
    return Is(game_.Mission.Target.Direction, "Out") ? zone.CoverOut.View() : zone.CoverBack.View();
}

bool MissionScreen::OutboundAtTarget() const {
    return Is(game_.Mission.Target.Direction, "Out") && game_.AtTarget();
}

bool MissionScreen::FighterCoverAvailable() const {
    return CoverOfTheLeg() != "None";
}

bool MissionScreen::CanBeChasedOff(int fighter) const {
    // Bombers' escorts ("B", "D", both) and the extra lead/tail fighter ("") stay whatever the
    // cover does.
    const FighterSpecial::Kind special = game_.Fighters[fighter].Special.What();
    return special == FighterSpecial::Unmarked || special == FighterSpecial::E;
}

void MissionScreen::cmdNextStep_Click() {
    if (!cmdNextStep.Enabled) return;
    // The fire exchange redraws the crew itself; the flak is the one other step that hurts the
    // bomber, and its wounds must reach the panel too.
    const bool flak = nPhase == phase::FlakResults;
    Step();
    NextPhase();
    if (flak) ShowCrew();
    // A bomber whose every crew member is dead is lost, whatever the charts said of it.
    MissionRecord& mission = game_.Mission;
    if (!mission.Ending && EveryoneKilled(game_)) mission.Ending = Outcome::CrewKilled;
}

void MissionScreen::Step() {
    MissionRecord& mission = game_.Mission;
    switch (nPhase) {
    case phase::EnterNextZone: {
        const int zone = mission.CurrentZone + (Is(mission.Target.Direction, "Out") ? 1 : -1);
        game_.AddMessage("");
        game_.AddMessage("[ZONE #", zone, "]");
        mission.CurrentZone = zone;
        if (OutboundAtTarget()) ChartWeather(game_, mission.CurrentZone);
        break;
    }
    case phase::CheckForWaves:
        nWavesAppearing = ChartWavesAppearing(game_);
        game_.AddMessage("Enemy Waves Appearing: ", nWavesAppearing);
        break;
    case phase::IncomingWave:
        fraWaves().Visible = true;
        --nWavesAppearing;
        ChartWaveGeneration(game_);
        break;
    case phase::RollForFighterCover:
        sCover = CoverOfTheLeg();
        game_.AddMessage("Fighter Cover: ", sCover);
        break;
    case phase::RollForCoverResults: {
        nRemovals = ChartFighterCoverResult(game_, sCover);
        int chaseable = 0;
        for (int i = 1; i <= FighterCount(); ++i) {
            if (CanBeChasedOff(i))
                ++chaseable;
            else
                fraWaves().Row[i].ToHit.BackColour = Colour::Red;
        }
        if (chaseable < nRemovals) nRemovals = chaseable;
        game_.AddMessage("Fighter cover chased off ", nRemovals, " enemy fighters");
        break;
    }
    case phase::RemoveEnemyFighters:
        RemoveFighters();
        fraWaves().lblMiscWave.Caption.clear();
        break;
    case phase::AssignGuns:
        nSelectedGun = 0;
        shownGun_ = 0;
        for (GunCounter& counter : GunCounters)
            counter.BackColour = Colour::Normal;
        for (WaveRow& row : fraWaves().Row)
            row.ToHit.Clear();
        break;
    case phase::CorvaneFire: CorvaneFire(); break;
    case phase::EnemyFire: EnemyFire(); break;
    case phase::SuccessiveAttack:
        ChartSuccessiveAttack(game_);
        fraWaves().PositionsWithoutMarkers = true;
        break;
    case phase::WaveResolved:
        mission.SuccessiveAttacks = 0;
        fraWaves().lblMiscWave.Caption.clear();
        for (WaveRow& row : fraWaves().Row)
            row.ToHit.Tag.clear();
        nCurrentFighter = 0;
        game_.AddMessage("");
        fraWaves().Visible = false;
        break;
    case phase::EnterTarget:
        game_.AddMessage("");
        game_.AddMessage("[COMMENCING BOMB RUN]");
        sFlakDensity = ChartFlakOverTarget(game_);
        break;
    case phase::FlakResults: {
        const int bursts = ChartFlakToHit(game_, sFlakDensity);
        for (int burst = 1; burst <= bursts; ++burst) {
            const int hits = ChartEffectOfFlak(game_);
            for (int hit = 1; hit <= hits; ++hit)
                ChartAreaHitByFlak(game_);
        }
        break;
    }
    case phase::BombRun: {
        const std::string_view onTarget = ChartBombRun(game_, 0);
        lblOnTarget.Caption.SetFixed(onTarget);
        lblBombPct.Caption.SetNumber(ChartBombPercentage(game_, onTarget), "", "%");
        // The bombs are gone, unless the bay doors would not open.
        if (!game_.Damage.BombBayDoorsOut) game_.Damage.BombsAboard = false;
        break;
    }
    case phase::ExitTarget:
        mission.Target.Direction = "Back";
        ++mission.CurrentZone;
        // The target zone is left here rather than through "Exit Zone"; its outbound cover must
        // not decide the successive attacks of the way home.
        sCover = "None";
        break;
    case phase::LandingAtBase:
        ChartWeather(game_, mission.CurrentZone);
        ChartLanding(game_);
        break;
    case phase::LeavingTheZone: sCover = "None"; break;
    default: break;
    }
}

void MissionScreen::EnterPhase(int next, std::string_view caption) {
    nPhase = next;
    cmdNextStep.Caption.SetFixed(caption);
}

void MissionScreen::EnterGunAssignment() {
    EnterPhase(phase::AssignGuns, "Assign Corvane Guns");
    PreAssignGuns();
    // The cover's red cells mean nothing to the guns. (After a removal the wave is freshly
    // drawn and they are normal already.)
    for (WaveRow& row : fraWaves().Row)
        row.ToHit.BackColour = Colour::Normal;
}

void MissionScreen::NextPhase() {
    MissionRecord& mission = game_.Mission;
    switch (nPhase) {
    case phase::EnterNextZone:
        if (mission.CurrentZone != 1)
            EnterPhase(phase::CheckForWaves, "Check for Waves");
        else
            EnterPhase(phase::LandingAtBase, "Landing at Base");
        break;
    case phase::CheckForWaves:
        if (nWavesAppearing < 1)
            EnterPhase(phase::LeavingTheZone, "Leaving the Zone");
        else
            EnterPhase(phase::IncomingWave, "Incoming Wave");
        break;
    case phase::IncomingWave:
        if (FighterCount() == 0) {
            EnterPhase(phase::WaveResolved, "Wave Resolved");
        } else if (!FighterCoverAvailable()) {
            EnterGunAssignment();
        } else {
            EnterPhase(phase::RollForFighterCover, "Roll for Fighter Cover");
        }
        break;
    case phase::RollForFighterCover: EnterPhase(phase::RollForCoverResults, "Roll for Cover Results"); break;
    case phase::RollForCoverResults:
        if (nRemovals < 1) {
            EnterGunAssignment();
        } else {
            EnterPhase(phase::RemoveEnemyFighters, "Remove Enemy Fighters");
            ShowRemovalsLeft();
            // The player marks the fighters first; the wave handling enables the button again.
            cmdNextStep.Enabled = false;
        }
        break;
    case phase::RemoveEnemyFighters:
        if (FighterCount() != 0) {
            EnterGunAssignment();
        } else {
            EnterPhase(phase::WaveResolved, "Exit Wave");
        }
        break;
    case phase::AssignGuns: EnterPhase(phase::CorvaneFire, "Corvane Fire"); break;
    case phase::CorvaneFire:
        if (FighterCount() < 1) {
            EnterPhase(phase::WaveResolved, "Exit Wave");
        } else {
            EnterPhase(phase::EnemyFire, "Enemy Fire");
            nCurrentFighter = 1;
        }
        break;
    case phase::EnemyFire:
        ++nCurrentFighter;
        if (nCurrentFighter <= FighterCount()) {
            EnterPhase(phase::EnemyFire, "Enemy Fire");
            break;
        }
        RemoveFighters();
        if (FighterCount() < 1 || mission.SuccessiveAttacks > 1) {
            EnterPhase(phase::WaveResolved, "Exit Wave");
            mission.SuccessiveAttacks = 0;
        } else {
            EnterPhase(phase::SuccessiveAttack, "Successive Attack");
            ++mission.SuccessiveAttacks;
        }
        break;
    case phase::SuccessiveAttack:
        if (!Is(sCover, "Good") && !Is(sCover, "Fair")) {
            EnterGunAssignment();
        } else {
            EnterPhase(phase::RollForCoverResults, "Roll for Cover Results");
        }
        break;
    case phase::WaveResolved:
        if (OutboundAtTarget() && nWavesAppearing == 0)
            EnterPhase(phase::EnterTarget, "Enter Target");
        else if (nWavesAppearing <= 0)
            EnterPhase(phase::LeavingTheZone, "Exit Zone");
        else
            EnterPhase(phase::IncomingWave, "Incoming Wave!");
        break;
    case phase::EnterTarget:
        if (sFlakDensity != "None")
            EnterPhase(phase::FlakResults, "Flak Results");
        else
            EnterPhase(phase::BombRun, "Bomb Run");
        break;
    case phase::FlakResults: EnterPhase(phase::BombRun, "Bomb Run"); break;
    case phase::BombRun: EnterPhase(phase::ExitTarget, "Exit Target"); break;
    case phase::ExitTarget:
    case phase::LeavingTheZone: EnterPhase(phase::EnterNextZone, "Enter Next Zone"); break;
    case phase::LandingAtBase:
        // The mission is over: the landing is rolled once. The caption stays.
        cmdNextStep.Enabled = false;
        break;
    default: break;
    }
}

void MissionScreen::PreAssignGuns() {
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        Shots& shots = shots_[gun];
        shots = Shots();
        if (GunReady(gun)) {
            const GunSight sight(game_, gun);
            auto shot = shots.ToHit.begin();
            for (const FighterRecord& fighter : game_.Fighters) {
                *++shot = sight.ToHit(fighter.AttackPos, fighter.FighterType);
                shots.Any = shots.Any || *shot >= 1;
            }
        }
        GunCounters[gun].BackColour = shots.Any ? Colour::Highlight : Colour::Normal;
    }
}

void MissionScreen::lblGun_Click(int index) {
    if (nPhase != phase::AssignGuns || index < FirstGun || index > LastGun) return;
    WavePanel& waves = fraWaves();
    if (nSelectedGun > 0) {
        for (WaveRow& row : waves.Row)
            row.ToHit.BackColour = Colour::Normal;
        GunCounters[nSelectedGun].BackColour = Colour::Highlight;
    }
    // A gun without a shot shows no numbers, and leaves the gun selected before selected.
    const bool shot = shots_[index].Any;
    shownGun_ = shot ? index : 0;
    if (shot) {
        nSelectedGun = index;
        GunCounters[index].BackColour = Colour::Yellow;
    }
    if (nSelectedGun > 0 && GunCounters[nSelectedGun].Tag == Mark::Kind::Aim)
        waves.Row[GunCounters[nSelectedGun].Tag.Fighter].ToHit.BackColour = Colour::Yellow;
}

void MissionScreen::lblToHit_Click(int index) {
    if (index < 1 || index > WaveRows) return;
    WavePanel& waves = fraWaves();
    ToHitCell& cell = waves.Row[index].ToHit;

    if (nPhase == phase::RemoveEnemyFighters) {
        if (index > FighterCount() || !CanBeChasedOff(index)) return;
        if (cell.Tag == Mark::Kind::ChasedOff) {
            cell.BackColour = Colour::Normal;
            cell.Tag.clear();
            ++nRemovals;
        } else {
            cell.BackColour = Colour::Blue;
            cell.Tag = {Mark::Kind::ChasedOff};
            --nRemovals;
        }
        cmdNextStep.Caption = "Remove Enemy Fighters";
        ShowRemovalsLeft();
        // Exactly as many marks as the cover chases off, no fewer and no more.
        cmdNextStep.Enabled = nRemovals == 0;
        return;
    }

    if (nPhase == phase::AssignGuns) {
        // The gun is aimed with the number the cell shows, which the gun's selection put there.
        const int toHit = ShownToHit(index);
        if (toHit == 0 || nSelectedGun == 0) return;
        GunCounter& counter = GunCounters[nSelectedGun];
        if (counter.Tag == Mark::Kind::Aim) waves.Row[counter.Tag.Fighter].ToHit.BackColour = Colour::Normal;
        counter.Tag = Mark::Aim(index, toHit);
        cell.BackColour = Colour::Yellow;
        counter.BackColour = Colour::Yellow;
    }
}

void MissionScreen::RemoveFighters() {
    FighterList& fighters = game_.Fighters;
    WavePanel& waves = fraWaves();
    int kept = 0;
    for (int i = 1; i <= fighters.UpperBound(); ++i) {
        const Mark::Kind mark = i <= WaveRows ? waves.Row[i].ToHit.Tag.What : Mark::Kind::None;
        const bool removed =
            mark == Mark::Kind::Missed || mark == Mark::Kind::ChasedOff || fighters[i].DamageLevel >= 3;
        if (removed) continue;
        ++kept;
        if (kept != i) fighters[kept] = std::move(fighters[i]);
    }
    fighters.Truncate(kept);
    for (WaveRow& row : waves.Row)
        row.ToHit.Tag.clear();
    ShowWave(game_);
}

void MissionScreen::CorvaneFire() {
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const GunCounter& counter = GunCounters[gun];
        if (counter.Tag != Mark::Kind::Aim) continue;
        const int fighter = counter.Tag.Fighter;
        const bool standing = game_.Fighters[fighter].DamageLevel < 3;
        ChartDefensiveFire(game_, counter.Tag.ToHit, gun, fighter);
        const int gunner = game_.Guns[gun].Gunner;
        if (standing && game_.Fighters[fighter].DamageLevel >= 3 && gunner >= 1)
            ++FightersDestroyedBy[gunner];
        --game_.Guns[gun].Ammo;
    }
    RemoveFighters();
    for (GunCounter& counter : GunCounters)
        counter.Tag.clear();
}

void MissionScreen::EnemyFire() {
    const int n = nCurrentFighter;
    const int roll = game_.RollDice("1d6", "Enemy to Hit");
    const FighterRecord& fighter = game_.Fighters[n];
    const FighterType type = fighter.FighterType;
    const PositionName position{fighter.AttackPos};

    if (roll < ChartEnemyToHit(fighter.AttackPos, fighter.DamageLevel)) {
        fraWaves().Row[n].ToHit.Tag = {Mark::Kind::Missed};
        game_.AddMessage(type, " at ", position, " misses");
    } else {
        const int hits = ChartShellHits(game_, n);
        game_.AddMessage(type, " at ", position, " registers ", hits, " hits");
        for (int hit = 1; hit <= hits; ++hit)
            ChartAreaDamage(game_, fighter.AttackPos);
        // A miss leaves the bomber as it was, and the crew panel with it.
        ShowCrew();
    }
}

void MissionScreen::RefreshDisplay() {
    ShowMission();
    ShowCrew();
}

void MissionScreen::ShowMission() {
    const MissionRecord& mission = game_.Mission;
    lblMissionNo.Caption.SetNumber(mission.MissionNo);
    lblTarget.Caption = mission.Target.Name;
    lblTargetType.Caption = mission.Target.TargetType;
    lblSquadronPos.Caption = mission.SquadronPos;
    lblFormationPos.Caption = mission.FormationPos;
}

Colour MissionScreen::GunColour(int gun) const {
    const GunRecord& record = game_.Guns[gun];
    if (record.Ammo == 0) return Colour::Orange;
    if (record.Status == "Out") return Colour::Red;
    if (record.Gunner == 0) return Colour::Blue;
    return Colour::Default;
}

Label MissionScreen::GunCounterLabel(int gun) const {
    const GunCounter& counter = GunCounters[gun];
    Label label{.ForeColour = GunColour(gun), .BackColour = counter.BackColour, .Tag = counter.Tag};
    label.Caption.SetNumber(game_.Guns[gun].Ammo);
    return label;
}

Label MissionScreen::ToHitLabel(int row) const {
    const ToHitCell& cell = fraWaves().Row[row].ToHit;
    Label label{.BackColour = cell.BackColour, .Tag = cell.Tag};
    if (const int toHit = ShownToHit(row)) label.Caption.SetNumber(toHit);
    return label;
}

Label MissionScreen::GunNameLabel(int gun) const {
    Label label{.ForeColour = GunColour(gun)};
    label.Caption.SetFixed(GunNames[static_cast<std::size_t>(gun)]);
    return label;
}

void MissionScreen::ShowCrew() {
    for (int member = 1; member <= CrewCount; ++member) {
        const int level = game_.Crew[member].Wound;
        if (level == 0) continue;
        Label& wound = lblCrewWound[member];
        Label& position = lblCrewPos[member];
        Label& name = lblCrewName[member];
        auto paint = [&](std::string_view caption, Colour colour, bool bold) {
            wound.Caption.SetFixed(caption);
            wound.ForeColour = position.ForeColour = name.ForeColour = colour;
            if (bold) wound.Bold = true;
        };
        switch (level) {
        case 1: paint("LW", Colour::Blue, false); break;
        case 2: paint("LW2", Colour::Blue, true); break;
        case 3: paint("SW", Colour::Red, true); break;
        default: wound.Visible = position.Visible = name.Visible = false; break;
        }
    }
}

void MissionScreen::ShowRemovalsLeft() {
    fraWaves().lblMiscWave.Caption.SetNumber(nRemovals, "Remove ", " Enemy Fighters");
}

void MissionScreen::cmdOK_Click() {
    if (unload_) unload_();
}

} // namespace halvard
