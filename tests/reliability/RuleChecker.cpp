// The rules the monkey checks after every event.

#include "Gunnery.h"
#include "Monkey.h"
#include "Names.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace halvard::test {
namespace {

constexpr std::array<int, 11> StartingAmmo = {0, 0, 15, 10, 10, 10, 20, 20, 16, 20, 23}; // guns 2..10
// A successive attack never comes low or vertical.
constexpr std::array<int, 10> SuccessivePositions = {10, 11, 14, 2, 17, 1, 5, 8, 13, 7};

template <class... Parts> void Require(bool condition, const Parts&... parts) {
    if (condition) return;
    std::ostringstream text;
    (text << ... << parts);
    throw std::runtime_error(text.str());
}

// Escorts and the lead or tail bomber's extra fighter stay whatever the fighter cover does.
bool CanBeChasedOff(const FighterRecord& fighter) {
    const std::string_view special = fighter.Special.View();
    return !(special.empty() || special == "B" || special == "D" || special == "BD");
}

bool Ready(const GunRecord& gun) {
    return gun.Status == "OK" && gun.Ammo >= 1 && gun.Gunner >= 1;
}

std::string_view CoverOfLeg(const Game& game) {
    const int zone = game.Mission.CurrentZone;
    if (zone < 1 || zone > 8) return "";
    const ZoneRecord& record = game.Mission.Target.Zone[zone];
    return game.Mission.Target.Direction == "Out" ? record.CoverOut.View() : record.CoverBack.View();
}

bool In(std::initializer_list<std::string_view> set, std::string_view value) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

} // namespace

int Monkey::StillToRemove() const {
    return expect_.Removals - static_cast<int>(std::ranges::count(expect_.Marked, true));
}

int Monkey::ToHit(int gun, int fighter) const {
    return ChartGunnery(game_, gun, game_.Fighters[fighter].AttackPos, game_.Fighters[fighter].FighterType);
}

bool Monkey::Selectable(int gun) const {
    if (!Ready(game_.Guns[gun])) return false;
    for (int i = 1; i <= game_.Fighters.UpperBound(); ++i)
        if (ToHit(gun, i) > 0) return true;
    return false;
}

std::string Monkey::ExpectedToHit(int cell) const {
    if (expect_.ShownFor == 0 || cell > game_.Fighters.UpperBound()) return "";
    const int toHit = ToHit(expect_.ShownFor, cell);
    return toHit > 0 ? std::to_string(toHit) : "";
}

Monkey::Snapshot Monkey::Take() {
    Snapshot s{flow_.Current(), game_, game_.Waves, game_.Rolls.Total(), game_.Messages.Total()};
    if (s.Current == Screen::TargetDialog) {
        s.RandomChoice = flow_.TargetDialog().optTargetChoice[0].Value;
        s.Typed = flow_.TargetDialog().cboTargetList.Text;
    }
    if (s.Current != Screen::Mission) return s;
    const MissionScreen& screen = flow_.Mission();
    s.Step = screen.cmdNextStep;
    for (int gun = FirstGun; gun <= LastGun; ++gun)
        s.Labels.push_back(screen.lblGun[gun]);
    for (int row = 1; row <= WaveRows; ++row)
        s.Labels.push_back(screen.lblToHit[row]);
    s.Labels.insert(s.Labels.end(), screen.lblCrewWound.begin(), screen.lblCrewWound.end());
    s.Labels.insert(s.Labels.end(), {screen.lblOnTarget, screen.lblBombPct});
    s.Phase = screen.nPhase;
    s.WavesAppearing = screen.nWavesAppearing;
    s.Removals = screen.nRemovals;
    s.CurrentFighter = screen.nCurrentFighter;
    s.SelectedGun = screen.nSelectedGun;
    s.Cover = screen.sCover;
    s.Flak = screen.sFlakDensity;
    return s;
}

bool Monkey::IsIdle(const Event& event) const {
    const Screen current = flow_.Current();
    // The entry screen's regions act only while it is shown, and then only 0 and 4.
    if (event.What == Action::Region)
        return current != Screen::Entry || (event.Index >= 1 && event.Index <= 3);
    if (current != Screen::Mission) return false;
    const int phase = flow_.Mission().nPhase;
    switch (event.What) {
    case Action::Step: return !flow_.Mission().cmdNextStep.Enabled;
    case Action::Cell:
        if (phase == phase::RemoveEnemyFighters)
            return event.Index > game_.Fighters.UpperBound() || !CanBeChasedOff(game_.Fighters[event.Index]);
        return phase != phase::AssignGuns || expect_.Selected == 0 || ExpectedToHit(event.Index).empty();
    case Action::Gun:
        return phase != phase::AssignGuns || (expect_.Selected == 0 && !Selectable(event.Index));
    default: return false;
    }
}

void Monkey::Check(const Event& event) {
    const Snapshot before = Take();
    const bool idle = IsIdle(event);
    messages_.clear();
    rolls_.clear();
    try {
        Dispatch(event);
        if (Meddler) Meddler(flow_, game_, event);
    } catch (const std::exception& e) {
        Require(false, "the event threw: ", e.what());
    }
    for (const std::string& line : rolls_) // the result in two characters, ":" and the label
        Require(line.size() >= 3 && line[2] == ':' && std::isdigit(static_cast<unsigned char>(line[0])) &&
                    (line[1] == ' ' || std::isdigit(static_cast<unsigned char>(line[1]))),
                "the roll window shows \"", line, "\"");
    Require(game_.Rolls.Count() <= 38 && game_.Messages.Count() <= 45, "a list outgrew its window");
    if (idle) {
        ++Counts.IdleEvents;
        Require(Take() == before, "an event the rules give no effect changed the screen or the game");
    }
    CheckEvent(event, before, idle);
    if (flow_.Current() == Screen::Mission) CheckMission();
}

void Monkey::CheckEvent(const Event& event, const Snapshot& before, bool idle) {
    const Screen current = flow_.Current();
    switch (event.What) {
    case Action::Region:
        if (before.Current != Screen::Entry) return;
        Require(event.Index != 4 || current == Screen::Ended, "region 4 did not end the program");
        if (event.Index == 0) {
            Require(current == Screen::TargetDialog, "region 0 did not open the target dialog");
            const TargetSelection& dialog = flow_.TargetDialog();
            Require(dialog.optTargetChoice[0].Value && !dialog.optTargetChoice[1].Value &&
                        !dialog.cboTargetList.Enabled && dialog.cboTargetList.Text.empty() &&
                        std::ranges::equal(dialog.cboTargetList.List, game_.Database.TargetNames()),
                    "the target dialog did not open anew on the Targets table");
        }
        return;
    case Action::Option: {
        const TargetSelection& dialog = flow_.TargetDialog();
        Require(dialog.optTargetChoice[event.Index].Value && !dialog.optTargetChoice[1 - event.Index].Value &&
                    dialog.cboTargetList.Enabled == (event.Index == 1),
                "the options are not one group enabling the list");
        return;
    }
    case Action::FixMission: fixedMission_ = event.Index; return;
    case Action::TypeTarget: return;
    case Action::DialogOK: {
        const int number = game_.Mission.MissionNo;
        Require(fixedMission_ != 0 ? number == fixedMission_ : number >= 11 && number <= 25,
                "OK took mission ", number, " with ", fixedMission_, " fixed");
        if (!before.RandomChoice && (before.Typed.empty() || !game_.Database.FindTarget(before.Typed))) {
            Require(current == Screen::TargetDialog && game_.SelectedTarget == before.State.SelectedTarget,
                    "OK took the target \"", before.Typed, "\"");
            return;
        }
        Require(current == Screen::Mission, "OK with a target did not start the mission");
        Require(before.RandomChoice || game_.SelectedTarget == before.Typed, "OK took \"",
                game_.SelectedTarget, "\" instead of \"", before.Typed, "\"");
        StartMission();
        return;
    }
    case Action::DialogCancel:
        Require(game_.SelectedTarget == before.State.SelectedTarget &&
                    game_.Mission.MissionNo == before.State.Mission.MissionNo &&
                    current == (targetConfirmed_ ? Screen::Mission : Screen::Entry),
                "Cancel did not fly the confirmed target again, or left the entry screen without one");
        if (targetConfirmed_) StartMission();
        return;
    case Action::OK:
        Require(current == Screen::Entry, "OK did not return to the entry screen");
        if (before.Phase >= phase::RollForFighterCover && before.Phase <= phase::WaveResolved)
            ++Counts.LeftMidWave;
        return;
    case Action::Step:
        if (before.Step.Enabled) CheckStep(before);
        return;
    case Action::Cell:
    case Action::Gun: break;
    }
    // A click on the screen rolls nothing, writes nothing and changes no record of the game.
    Require(game_.Rolls.Total() == before.Rolls && messages_.empty() &&
                static_cast<const GameState&>(game_) == before.State,
            "a click rolled, wrote a message or changed the mission state");
    if (idle) return;
    if (event.What == Action::Cell && before.Phase == phase::RemoveEnemyFighters) {
        bool& marked = expect_.Marked[static_cast<std::size_t>(event.Index)];
        marked = !marked;
    } else if (event.What == Action::Cell) {
        expect_.Aim[expect_.Selected] = event.Index;
    } else {
        if (expect_.Selected > 0) expect_.ShownFor = 0; // an unselectable gun clears the cells
        if (Selectable(event.Index)) expect_.Selected = expect_.ShownFor = event.Index;
    }
}

void Monkey::StartMission() {
    ++Counts.Missions;
    targetConfirmed_ = true;
    expect_ = Expected{};
    const MissionScreen& screen = flow_.Mission();
    const MissionRecord& mission = game_.Mission;
    Require(!game_.Waves.Visible && game_.Fighters.UpperBound() == 0 && mission.SuccessiveAttacks == 0 &&
                game_.Messages.Count() == 0,
            "a new mission starts with a wave or messages");
    const TargetRow* target = game_.Database.FindTarget(game_.SelectedTarget);
    Require(target && mission.Target.Name == game_.SelectedTarget &&
                screen.lblTarget.Caption == game_.SelectedTarget && mission.TargetZone == target->ZoneCount &&
                screen.lblMissionNo.Caption == std::to_string(mission.MissionNo),
            "the mission did not load its target \"", game_.SelectedTarget, "\" and number");
    Require(mission.CurrentZone == 1 && mission.Target.Direction == "Out",
            "a new mission does not start at home");
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        expect_.Ammo[gun] = StartingAmmo[static_cast<std::size_t>(gun)];
        const GunRecord& record = game_.Guns[gun];
        Require(record.Status == "OK" && record.Gunner == gun && record.Ammo == expect_.Ammo[gun], "gun ",
                gun, " does not start manned, OK and full");
    }
    for (int member = 1; member <= CrewCount; ++member)
        Require(game_.Crew[member].Wound == 0 && game_.CrewPos[member].Occupant == member, "crew member ",
                member, " does not start unhurt at his position");
}

// The phase a press of the step button leads to, and its caption, by the game's rules.
void Monkey::CheckStep(const Snapshot& was) {
    const MissionScreen& screen = flow_.Mission();
    const MissionRecord& mission = game_.Mission;
    const int fighters = game_.Fighters.UpperBound();
    const int wereFighters = was.State.Fighters.UpperBound();
    using T = std::pair<int, std::string_view>;
    const T next = [&]() -> T {
        switch (was.Phase) {
        case 1: return mission.CurrentZone != 1 ? T{2, "Check for Waves"} : T{18, "Landing at Base"};
        case 2: return screen.nWavesAppearing < 1 ? T{19, "Leaving the Zone"} : T{3, "Incoming Wave"};
        case 3:
            if (fighters == 0) return {11, "Wave Resolved"};
            return CoverOfLeg(game_) == "None" ? T{7, "Assign Corvane Guns"} : T{4, "Roll for Fighter Cover"};
        case 4: return {5, "Roll for Cover Results"};
        case 5: return screen.nRemovals < 1 ? T{7, "Assign Corvane Guns"} : T{6, "Remove Enemy Fighters"};
        case 6: return fighters != 0 ? T{7, "Assign Corvane Guns"} : T{11, "Exit Wave"};
        case 7: return {8, "Corvane Fire"};
        case 8: return fighters < 1 ? T{11, "Exit Wave"} : T{9, "Enemy Fire"};
        case 9:
            if (was.CurrentFighter + 1 <= wereFighters) return {9, "Enemy Fire"};
            if (fighters < 1 || was.State.Mission.SuccessiveAttacks > 1) return {11, "Exit Wave"};
            return {10, "Successive Attack"};
        case 10:
            return In({"Good", "Fair"}, screen.sCover) ? T{5, "Roll for Cover Results"}
                                                       : T{7, "Assign Corvane Guns"};
        case 11:
            if (mission.Target.Direction == "Out" && mission.CurrentZone == mission.TargetZone &&
                screen.nWavesAppearing == 0)
                return {12, "Enter Target"};
            return screen.nWavesAppearing <= 0 ? T{19, "Exit Zone"} : T{3, "Incoming Wave!"};
        case 12: return screen.sFlakDensity != "None" ? T{13, "Flak Results"} : T{15, "Bomb Run"};
        case 13: return {15, "Bomb Run"};
        case 15: return {17, "Exit Target"};
        case 18: return {18, "Landing at Base"}; // the last phase: it stays
        case 17:
        case 19: return {1, "Enter Next Zone"};
        default: return {0, ""};
        }
    }();
    Require(screen.nPhase == next.first && screen.cmdNextStep.Caption == next.second, "from phase ",
            was.Phase, " the rules lead to phase ", next.first, " \"", next.second,
            "\", the screen went to phase ", screen.nPhase, " \"", screen.cmdNextStep.Caption, "\"");
    expect_.Phase = next.first;
    expect_.Caption = next.second;

    const int zoneBefore = was.State.Mission.CurrentZone;
    switch (was.Phase) {
    case phase::EnterNextZone:
        Require(mission.CurrentZone == zoneBefore + (was.State.Mission.Target.Direction == "Out" ? 1 : -1),
                "entered zone ", mission.CurrentZone, " from zone ", zoneBefore);
        break;
    case phase::IncomingWave:
        Require(screen.nWavesAppearing == was.WavesAppearing - 1, "a wave came without being counted");
        break;
    case phase::RollForFighterCover:
        Require(screen.sCover == CoverOfLeg(game_), "the cover is not the zone's for this leg");
        break;
    case phase::RollForCoverResults: {
        const auto chaseable = std::ranges::count_if(game_.Fighters, CanBeChasedOff);
        Require(screen.nRemovals >= 0 && screen.nRemovals <= chaseable, "the cover chases off ",
                screen.nRemovals, " of ", chaseable, " fighters it can");
        expect_.Removals = screen.nPhase == phase::RemoveEnemyFighters ? screen.nRemovals : 0;
        expect_.Marked = {};
        break;
    }
    case phase::RemoveEnemyFighters: {
        FighterList kept;
        for (int i = 1; i <= wereFighters; ++i)
            if (!expect_.Marked[static_cast<std::size_t>(i)]) kept.Add() = was.State.Fighters[i];
        Require(game_.Fighters == kept && game_.Waves.lblMiscWave.Caption.empty(),
                "the removal did not take out exactly the marked fighters");
        break;
    }
    case phase::AssignGuns:
        for (int gun = FirstGun; gun <= LastGun; ++gun) {
            const std::string tag = screen.lblGun[gun].Tag.Text();
            Require(expect_.Aim[gun] == (tag.empty() ? 0 : tag.front() - '0') &&
                        screen.lblGun[gun].BackColour == Colour::Normal,
                    "gun ", gun, " lost its aim at ", expect_.Aim[gun], " (\"", tag,
                    "\") or kept its colour");
        }
        for (int i = 1; i <= WaveRows; ++i)
            Require(screen.lblToHit[i].BackColour == Colour::Normal && screen.lblToHit[i].Caption.empty() &&
                        screen.lblToHit[i].Tag.empty(),
                    "to-hit cell ", i, " kept its colour, number or mark after the assignment");
        Require(screen.nSelectedGun == 0, "the assignment ended with a gun selected");
        break;
    case phase::CorvaneFire:
        for (int gun = FirstGun; gun <= LastGun; ++gun)
            Require(game_.Guns[gun].Ammo == was.State.Guns[gun].Ammo - (expect_.Aim[gun] != 0 ? 1 : 0) &&
                        screen.lblGun[gun].Tag.empty(),
                    "gun ", gun, " went from ", was.State.Guns[gun].Ammo, " to ", game_.Guns[gun].Ammo,
                    " bursts, aimed at ", expect_.Aim[gun]);
        Require(
            std::ranges::none_of(game_.Fighters, [](const FighterRecord& f) { return f.DamageLevel >= 3; }),
            "a destroyed fighter stayed in the wave");
        break;
    case phase::EnemyFire:
        if (screen.nPhase == phase::EnemyFire)
            Require(screen.nCurrentFighter == was.CurrentFighter + 1 && fighters == wereFighters,
                    "the enemy fire did not pass to the next fighter");
        else
            Require(fighters <= wereFighters &&
                        mission.SuccessiveAttacks == (screen.nPhase == phase::SuccessiveAttack
                                                          ? was.State.Mission.SuccessiveAttacks + 1
                                                          : 0),
                    "successive attacks counted ", mission.SuccessiveAttacks);
        break;
    case phase::SuccessiveAttack:
        for (int i = 1; i <= fighters; ++i)
            Require(std::ranges::count(SuccessivePositions, game_.Fighters[i].AttackPos) == 1,
                    "a successive attack came from position ", game_.Fighters[i].AttackPos);
        break;
    case phase::WaveResolved:
        Require(mission.SuccessiveAttacks == 0 && screen.nCurrentFighter == 0 &&
                    game_.Waves.lblMiscWave.Caption.empty() &&
                    std::ranges::all_of(game_.Waves.Row,
                                        [](const WaveRow& row) { return row.ToHit.Tag.empty(); }),
                "the wave did not end cleanly");
        break;
    case phase::EnterTarget:
        Require(In({"None", "Light", "Medium", "Heavy"}, screen.sFlakDensity), "flak \"", screen.sFlakDensity,
                "\"");
        break;
    case phase::ExitTarget:
        Require(mission.Target.Direction == "Back" && mission.CurrentZone == zoneBefore + 1 &&
                    screen.sCover == "None",
                "leaving the target did not turn the bomber home");
        break;
    case phase::LandingAtBase:
        Counts.Landings += expect_.Landed ? 0 : 1;
        expect_.Landed = true;
        break;
    case phase::LeavingTheZone: Require(screen.sCover == "None", "the zone's cover outlived the zone"); break;
    }
    if (screen.nPhase == phase::AssignGuns && was.Phase != phase::AssignGuns) {
        expect_.Selected = expect_.ShownFor = 0;
        expect_.Aim = {};
    }
}

void Monkey::CheckMission() {
    const MissionScreen& screen = flow_.Mission();
    const MissionRecord& mission = game_.Mission;
    const int phase = screen.nPhase;
    Require(phase == expect_.Phase && screen.cmdNextStep.Caption == expect_.Caption, "phase ", phase, " \"",
            screen.cmdNextStep.Caption, "\" without a step from ", expect_.Phase, " \"", expect_.Caption,
            "\"");
    const bool disabled = (phase == phase::RemoveEnemyFighters && StillToRemove() != 0) ||
                          (phase == phase::LandingAtBase && expect_.Landed);
    Require(screen.cmdNextStep.Enabled == !disabled, "the step button is ", disabled ? "enabled" : "disabled",
            " in phase ", phase);
    for (int member = 1; member <= CrewCount; ++member) {
        const int wound = game_.Crew[member].Wound;
        Require(wound <= 4 && wound >= expect_.Wound[member], "crew member ", member, "'s wound went from ",
                expect_.Wound[member], " to ", wound);
        expect_.Wound[member] = wound;
    }
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const GunRecord& record = game_.Guns[gun];
        Require(record.Ammo >= 0 && record.Ammo <= expect_.Ammo[gun], "gun ", gun, "'s ammunition went from ",
                expect_.Ammo[gun], " to ", record.Ammo);
        Require(record.Status == "Out" || (record.Status == "OK" && !expect_.Out[gun]), "gun ", gun,
                " went from ", expect_.Out[gun] ? "Out" : "OK", " to \"", record.Status, "\"");
        Require(record.Gunner == 0 || game_.Crew[record.Gunner].Wound < 3, "gun ", gun,
                " is manned by a seriously wounded or killed crew member");
        expect_.Ammo[gun] = record.Ammo;
        expect_.Out[gun] = record.Status == "Out";
    }
    Require(mission.SuccessiveAttacks >= 0 && mission.SuccessiveAttacks <= 2, "successive attacks at ",
            mission.SuccessiveAttacks);
    const bool justLeftTarget = phase == phase::EnterNextZone && mission.Target.Direction == "Back" &&
                                mission.CurrentZone == mission.TargetZone + 1;
    Require((mission.CurrentZone >= 1 && mission.CurrentZone <= mission.TargetZone) || justLeftTarget,
            "the bomber is in zone ", mission.CurrentZone, " of a route to zone ", mission.TargetZone);
    Require(game_.Waves.Visible == (phase >= phase::RollForFighterCover && phase <= phase::WaveResolved),
            "the wave panel is ", game_.Waves.Visible ? "shown" : "hidden", " in phase ", phase);
    // The cells and counters show the marks and aims of the clicks.
    const int still = StillToRemove();
    if (phase == phase::RemoveEnemyFighters)
        Require(screen.nRemovals == still &&
                    game_.Waves.lblMiscWave.Caption == "Remove " + std::to_string(still) + " Enemy Fighters",
                "the removal asks for ", screen.nRemovals, " (\"", game_.Waves.lblMiscWave.Caption,
                "\") with ", still, " marks still wanted");
    if (phase == phase::AssignGuns)
        Require(screen.nSelectedGun == expect_.Selected, "gun ", screen.nSelectedGun, " is selected, not ",
                expect_.Selected);
    for (int i = 1; i <= WaveRows; ++i) {
        const Label cell = screen.lblToHit[i];
        const bool marked = expect_.Marked[static_cast<std::size_t>(i)];
        if (phase == phase::RemoveEnemyFighters && i <= game_.Fighters.UpperBound()) {
            const Colour colour = marked                              ? Colour::Blue
                                  : CanBeChasedOff(game_.Fighters[i]) ? Colour::Normal
                                                                      : Colour::Red;
            Require(cell.BackColour == colour && cell.Tag == (marked ? "FC" : ""), "cell ", i,
                    marked ? " does not show its mark" : " does not show that it is unmarked");
        }
        const bool aimed = expect_.Selected > 0 && expect_.Aim[expect_.Selected] == i;
        Require(phase != phase::AssignGuns || (cell.Caption == ExpectedToHit(i) && cell.Tag.empty() &&
                                               cell.BackColour == (aimed ? Colour::Yellow : Colour::Normal)),
                "cell ", i, " shows \"", cell.Caption, "\" or is coloured against the selected gun's aim");
    }
    if (phase != phase::AssignGuns) return;
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const Label counter = screen.lblGun[gun];
        const Colour colour = gun == expect_.ShownFor ? Colour::Yellow
                              : Selectable(gun)       ? Colour::Highlight
                                                      : Colour::Normal;
        const int aim = expect_.Aim[gun];
        const std::string tag = aim == 0 ? "" : std::to_string(aim) + "/" + std::to_string(ToHit(gun, aim));
        Require(counter.BackColour == colour && counter.Tag == tag, "gun ", gun, " carries the assignment \"",
                counter.Tag, "\", not \"", tag, "\", or the wrong background");
    }
}
} // namespace halvard::test
