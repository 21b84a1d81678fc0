// The rules the monkey checks after every event.

#include "Gunnery.h"
#include "Monkey.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace halvard::test {
namespace {

constexpr std::array<int, 11> StartingAmmo = {0, 0, 15, 10, 10, 10, 20, 20, 16, 20, 23}; // guns 2..10

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

std::string_view CoverOfLeg(const Game& game) {
    const int zone = game.Mission.CurrentZone;
    if (zone < 1 || zone > 8) return "";
    const ZoneRecord& record = game.Mission.Target.Zone[zone];
    return game.Mission.Target.Direction == "Out" ? record.CoverOut.View() : record.CoverBack.View();
}

} // namespace

int Monkey::StillToRemove() const {
    return expect_.Removals - static_cast<int>(std::ranges::count(expect_.Marked, true));
}

int Monkey::ToHit(int gun, int fighter) const {
    return ChartGunnery(game_, gun, game_.Fighters[fighter].AttackPos, game_.Fighters[fighter].FighterType);
}

bool Monkey::Selectable(int gun) const {
    const GunRecord& record = game_.Guns[gun];
    if (record.Status != "OK" || record.Ammo < 1 || record.Gunner < 1) return false;
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
    const MissionScreen& m = flow_.Mission();
    std::tie(s.Phase, s.WavesAppearing, s.Removals, s.CurrentFighter, s.SelectedGun, s.Cover, s.Flak,
             s.Step) = std::tie(m.nPhase, m.nWavesAppearing, m.nRemovals, m.nCurrentFighter, m.nSelectedGun,
                                m.sCover, m.sFlakDensity, m.cmdNextStep);
    for (const Label& label : m.lblGun)
        s.Labels.push_back(label);
    for (const Label& label : m.lblToHit)
        s.Labels.push_back(label);
    s.Labels.insert(s.Labels.end(), m.lblCrewWound.begin(), m.lblCrewWound.end());
    s.Labels.insert(s.Labels.end(), {m.lblOnTarget, m.lblBombPct});
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
    try {
        Dispatch(event);
        if (Meddler) Meddler(flow_, game_, event);
    } catch (const std::exception& e) {
        Require(false, "the event threw: ", e.what());
    }
    if (idle) {
        ++Counts.IdleEvents;
        Require(Take() == before, "an event the rules give no effect changed the screen or the game");
    }
    CheckEvent(event, before, idle);
    if (flow_.Current() == Screen::Mission) CheckMission();
}

void Monkey::CheckEvent(const Event& event, const Snapshot& before, bool idle) {
    const Screen current = flow_.Current();
    const MissionRecord& mission = game_.Mission;
    switch (event.What) {
    case Action::FixMission: fixedMission_ = event.Index; return;
    case Action::Option:
    case Action::TypeTarget: return;
    case Action::Region:
        Require(idle || current == (event.Index == 4 ? Screen::Ended : Screen::TargetDialog), "region ",
                event.Index, " did not lead to its screen");
        return;
    case Action::DialogOK:
    case Action::DialogCancel: {
        // OK draws the mission number, unless one is fixed, and flies the target typed if the list
        // has it, else a random one; Cancel flies the target confirmed before again, if there is one.
        const bool cancel = event.What == Action::DialogCancel, typed = !cancel && !before.RandomChoice;
        const bool flies = cancel ? targetConfirmed_ : !typed || game_.Database.FindTarget(before.Typed);
        const int number = mission.MissionNo;
        Require(current == (flies    ? Screen::Mission
                            : cancel ? Screen::Entry
                                     : Screen::TargetDialog) &&
                    (cancel          ? number == before.State.Mission.MissionNo
                     : fixedMission_ ? number == fixedMission_
                                     : number >= 11 && number <= 25) &&
                    (flies && !cancel ? !typed || game_.SelectedTarget == before.Typed
                                      : game_.SelectedTarget == before.State.SelectedTarget),
                event.Describe(), " with \"", before.Typed, "\" typed and mission ", fixedMission_,
                " fixed flew mission ", number, " to \"", game_.SelectedTarget, "\"");
        if (flies) StartMission();
        return;
    }
    case Action::OK:
        Require(current == Screen::Entry, "OK did not return to the entry screen");
        Counts.LeftMidWave +=
            before.Phase >= phase::RollForFighterCover && before.Phase <= phase::WaveResolved;
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
    Require(!game_.Waves.Visible && game_.Fighters.UpperBound() == 0 && game_.Mission.CurrentZone == 1 &&
                game_.Mission.Target.Direction == "Out" && game_.Mission.Target.Name == game_.SelectedTarget,
            "the mission to \"", game_.SelectedTarget, "\" does not start at home");
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
            return screen.sCover == "Good" || screen.sCover == "Fair" ? T{5, "Roll for Cover Results"}
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

    // What the step itself must have done.
    const MissionRecord& wasMission = was.State.Mission;
    switch (was.Phase) {
    case phase::EnterNextZone:
        Require(mission.CurrentZone ==
                    wasMission.CurrentZone + (wasMission.Target.Direction == "Out" ? 1 : -1),
                "entered zone ", mission.CurrentZone, " from zone ", wasMission.CurrentZone);
        break;
    case phase::RollForCoverResults:
        Require(screen.nRemovals <= std::ranges::count_if(game_.Fighters, CanBeChasedOff),
                "the cover chases off ", screen.nRemovals, " fighters, more than it can");
        expect_.Removals = screen.nPhase == phase::RemoveEnemyFighters ? screen.nRemovals : 0;
        expect_.Marked = {};
        break;
    case phase::RemoveEnemyFighters: {
        FighterList kept;
        for (int i = 1; i <= wereFighters; ++i)
            if (!expect_.Marked[static_cast<std::size_t>(i)]) kept.Add() = was.State.Fighters[i];
        Require(game_.Fighters == kept, "the removal did not take out exactly the marked fighters");
        break;
    }
    case phase::CorvaneFire:
        for (int gun = FirstGun; gun <= LastGun; ++gun)
            Require(game_.Guns[gun].Ammo == was.State.Guns[gun].Ammo - (expect_.Aim[gun] != 0), "gun ", gun,
                    " went from ", was.State.Guns[gun].Ammo, " to ", game_.Guns[gun].Ammo,
                    " bursts, aimed at ", expect_.Aim[gun]);
        break;
    case phase::LandingAtBase: Counts.Landings += !std::exchange(expect_.Landed, true); break;
    }
    if (screen.nPhase == phase::AssignGuns && was.Phase != phase::AssignGuns) {
        expect_.Selected = expect_.ShownFor = 0;
        expect_.Aim = {};
    }
}

void Monkey::CheckMission() {
    const MissionScreen& screen = flow_.Mission();
    const MissionRecord& mission = game_.Mission;
    const int phase = screen.nPhase, still = StillToRemove();
    Require(phase == expect_.Phase && screen.cmdNextStep.Caption == expect_.Caption, "phase ", phase, " \"",
            screen.cmdNextStep.Caption, "\" without a step from ", expect_.Phase, " \"", expect_.Caption,
            "\"");
    const bool disabled = (phase == phase::RemoveEnemyFighters && still != 0) ||
                          (phase == phase::LandingAtBase && expect_.Landed);
    Require(screen.cmdNextStep.Enabled == !disabled, "the step button is ", disabled ? "enabled" : "disabled",
            " in phase ", phase);
    for (int member = 1; member <= CrewCount; ++member) {
        const int wound = std::exchange(expect_.Wound[member], game_.Crew[member].Wound);
        Require(wound <= expect_.Wound[member] && expect_.Wound[member] <= 4, "crew member ", member,
                "'s wound went from ", wound, " to ", expect_.Wound[member]);
    }
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const GunRecord& record = game_.Guns[gun];
        Require(record.Ammo >= 0 && record.Ammo <= expect_.Ammo[gun] &&
                    (record.Status == "Out" || (record.Status == "OK" && !expect_.Out[gun])) &&
                    (record.Gunner == 0 || game_.Crew[record.Gunner].Wound < 3),
                "gun ", gun, "'s ammunition went from ", expect_.Ammo[gun], " to ", record.Ammo,
                ", its state to \"", record.Status, "\", or a badly wounded man mans it");
        expect_.Ammo[gun] = record.Ammo;
        expect_.Out[gun] = record.Status == "Out";
    }
    const bool justLeftTarget = phase == phase::EnterNextZone && mission.Target.Direction == "Back" &&
                                mission.CurrentZone == mission.TargetZone + 1;
    Require((mission.CurrentZone >= 1 && mission.CurrentZone <= mission.TargetZone) || justLeftTarget,
            "the bomber is in zone ", mission.CurrentZone, " of a route to zone ", mission.TargetZone);
    Require(game_.Waves.Visible == (phase >= phase::RollForFighterCover && phase <= phase::WaveResolved),
            "the wave panel is ", game_.Waves.Visible ? "shown" : "hidden", " in phase ", phase);
    // The cells and counters show the marks and aims of the clicks.
    if (phase == phase::RemoveEnemyFighters)
        Require(screen.nRemovals == still &&
                    game_.Waves.lblMiscWave.Caption == "Remove " + std::to_string(still) + " Enemy Fighters",
                "the removal asks for ", screen.nRemovals, " with ", still, " marks still wanted");
    for (int i = 1; i <= game_.Fighters.UpperBound() && phase == phase::RemoveEnemyFighters; ++i) {
        const bool marked = expect_.Marked[static_cast<std::size_t>(i)];
        const Colour colour = marked                              ? Colour::Blue
                              : CanBeChasedOff(game_.Fighters[i]) ? Colour::Normal
                                                                  : Colour::Red;
        Require(screen.lblToHit[i].BackColour == colour && screen.lblToHit[i].Tag == (marked ? "FC" : ""),
                "cell ", i, marked ? " does not show its mark" : " does not show that it is unmarked");
    }
    if (phase != phase::AssignGuns) return;
    Require(screen.nSelectedGun == expect_.Selected, "gun ", screen.nSelectedGun, " is selected, not ",
            expect_.Selected);
    for (int i = 1; i <= WaveRows; ++i)
        Require(screen.lblToHit[i].Caption == ExpectedToHit(i), "cell ", i, " shows \"",
                screen.lblToHit[i].Caption, "\", not what gun ", expect_.ShownFor, " needs");
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const Label counter = screen.lblGun[gun];
        const int aim = expect_.Aim[gun];
        const std::string tag = aim == 0 ? "" : std::to_string(aim) + "/" + std::to_string(ToHit(gun, aim));
        Require(counter.Tag == tag && (counter.BackColour == Colour::Yellow) == (gun == expect_.ShownFor),
                "gun ", gun, " carries the assignment \"", counter.Tag, "\", not \"", tag,
                "\", or the wrong background");
    }
}

} // namespace halvard::test
