#include "Monkey.h"

#include "Gunnery.h"

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace halvard::test {
namespace {

constexpr std::array<int, 11> StartingAmmo = {0, 0, 15, 10, 10, 10, 20, 20, 16, 20, 23}; // guns 2..10

template <class... Parts> void Require(bool condition, const Parts&... parts) {
    if (condition) return;
    std::ostringstream text;
    throw std::runtime_error(((text << ... << parts), text.str()));
}

// Everything an event could change, for the events after which nothing may have changed.
struct Snapshot {
    Screen Current = Screen::Entry;
    GameState State;
    WavePanel Waves;
    std::size_t Rolls = 0, Messages = 0;
    std::string Cover, Flak;
    CommandButton Step;
    std::vector<Label> Labels;
    int Phase = 0, WavesAppearing = 0, Removals = 0, CurrentFighter = 0, SelectedGun = 0;
    bool operator==(const Snapshot&) const = default;
};

// What the steps and clicks of the mission must have left.
struct Expected {
    std::pair<int, std::string_view> Step{phase::EnterNextZone, "Enter Next Zone"};
    int Removals = 0;
    bool Landed = false;
    IndexedArray<bool, 1, WaveRows> Marked{};
    IndexedArray<int, FirstGun, LastGun> Aim{};
    int StillToRemove() const { return Removals - static_cast<int>(std::ranges::count(Marked, true)); }
};

class Monkey {
  public:
    Monkey(const GameDatabase& database, std::uint64_t seed, MonkeyCounts& counts, const Meddler& meddler)
        : seed_(seed), game_(database, seed), flow_(game_), choices_(seed ^ 0x9E3779B97F4A7C15ull),
          counts_(counts), meddler_(meddler) {}

    std::optional<std::string> Play(int missions) {
        for (const long end = counts_.Missions + missions;
             counts_.Missions < end && flow_.Current() != Screen::Ended;) {
            const int phase = flow_.Current() == Screen::Mission ? flow_.Mission().nPhase : 0;
            try {
                Check(Choose());
            } catch (const std::exception& broken) {
                return "seed " + std::to_string(seed_) + ", event " + std::to_string(events_) + " in phase " +
                       std::to_string(phase) + ": " + broken.what();
            }
        }
        return std::nullopt;
    }

  private:
    // From the player's own generator, apart from the dice.
    int Pick(int lo, int hi) { return std::uniform_int_distribution(lo, hi)(choices_); }
    template <class List> auto Any(const List& list) { return list[choices_() % list.size()]; }

    Event Choose() {
        const int roll = Pick(1, 1000);
        if (flow_.Current() == Screen::Entry) {
            if (roll <= 100) return {Action::Region, roll <= 5 ? 4 : Pick(1, 3)};
            if (roll <= 150) return {Action::FixMission, Pick(0, 1) * Pick(1, 25)}; // 1-10: other targets
            return {Action::Region, 0};
        }
        if (roll > 994) return {Action::Region, Pick(0, 4)}; // the entry screen is covered or hidden
        if (flow_.Current() == Screen::TargetDialog) {
            if (roll <= 400) return {Action::DialogOK};
            if (roll <= 550) return {Action::Option, Pick(0, 1)};
            if (roll > 850) return {Action::DialogCancel};
            // Mostly a name of the list, sometimes one it does not have.
            return {Action::TypeTarget, 0, roll > 800 ? "Berlin" : Any(game_.Database.TargetNames())};
        }
        const int phase = flow_.Mission().nPhase, still = expect_.StillToRemove();
        const Event cell{Action::Cell, Pick(1, WaveRows)}, gun{Action::Gun, Pick(FirstGun, LastGun)};
        if (roll <= (phase == phase::LandingAtBase && expect_.Landed ? 600 : 3)) return {Action::OK};
        if (phase == phase::RemoveEnemyFighters && still != 0 && roll > 250)
            return {Action::Cell, Pick(1, std::max(1, game_.Fighters.UpperBound()))};
        if (phase == phase::AssignGuns) return roll <= 350 ? gun : roll <= 750 ? cell : Event{Action::Step};
        return roll <= 800 ? Event{Action::Step} : roll <= 920 ? cell : gun;
    }

    void Dispatch(const Event& event) {
        switch (const int i = event.Index; event.What) {
        case Action::Region: flow_.imgChoice_Click(i); break;
        case Action::FixMission: flow_.FixMissionNumber(i ? std::optional(i) : std::nullopt); break;
        case Action::Option: flow_.TargetDialog().optTargetChoice_Click(i); break;
        case Action::TypeTarget: flow_.TargetDialog().cboTargetList.Text = event.Text; break;
        case Action::DialogOK: flow_.TargetDialog().cmdOK_Click(); break;
        case Action::DialogCancel: flow_.TargetDialog().cmdCancel_Click(); break;
        case Action::Step: flow_.Mission().cmdNextStep_Click(); break;
        case Action::Cell: flow_.Mission().lblToHit_Click(i); break;
        case Action::Gun: flow_.Mission().lblGun_Click(i); break;
        case Action::OK: flow_.Mission().cmdOK_Click(); break;
        }
    }

    Snapshot Take() {
        Snapshot s{flow_.Current(), game_, game_.Waves, game_.Rolls.Total(), game_.Messages.Total()};
        if (s.Current != Screen::Mission) return s;
        const MissionScreen& m = flow_.Mission();
        std::tie(s.Phase, s.WavesAppearing, s.Removals, s.CurrentFighter, s.SelectedGun, s.Cover, s.Flak,
                 s.Step) = std::tie(m.nPhase, m.nWavesAppearing, m.nRemovals, m.nCurrentFighter,
                                    m.nSelectedGun, m.sCover, m.sFlakDensity, m.cmdNextStep);
        for (const Label& label : m.lblGun)
            s.Labels.push_back(label);
        for (const Label& label : m.lblToHit)
            s.Labels.push_back(label);
        return s;
    }

    bool IsIdle(const Event& event) const {
        // The entry screen's regions act only while it is shown, and then only 0 and 4.
        if (event.What == Action::Region)
            return flow_.Current() != Screen::Entry || (event.Index >= 1 && event.Index <= 3);
        if (flow_.Current() != Screen::Mission) return false;
        const int phase = flow_.Mission().nPhase, i = event.Index;
        if (event.What == Action::Step) return !flow_.Mission().cmdNextStep.Enabled;
        if (event.What == Action::Gun) return phase != phase::AssignGuns;
        // A cell aims the gun selected at its fighter only when it shows what that gun needs.
        if (event.What == Action::Cell && phase == phase::AssignGuns)
            return flow_.Mission().ShownToHit(i) == 0;
        // Escorts and the lead or tail bomber's extra fighter stay whatever the fighter cover does.
        if (event.What == Action::Cell && phase == phase::RemoveEnemyFighters)
            return i > game_.Fighters.UpperBound() ||
                   std::set<std::string_view>{"", "B", "D", "BD"}.contains(game_.Fighters[i].Special.View());
        return event.What == Action::Cell;
    }

    void Check(const Event& event) {
        ++events_;
        const Snapshot before = Take();
        const bool idle = IsIdle(event);
        try {
            Dispatch(event);
            if (meddler_ && flow_.Current() == Screen::Mission)
                meddler_(flow_.Mission(), game_, event, before.Phase);
        } catch (const std::exception& e) {
            Require(false, "the event threw: ", e.what());
        }
        Require(!idle || Take() == before, "an event the rules give no effect changed something");
        const Screen current = flow_.Current();
        const Screen region = event.Index == 4 ? Screen::Ended : Screen::TargetDialog;
        Require(idle || event.What != Action::Region || current == region, "region ", event.Index,
                " led to the wrong screen");
        Require(event.What != Action::OK || current == Screen::Entry, "OK did not return to the entry");
        const int stepped = event.What == Action::Step && before.Step.Enabled ? before.Phase : 0;
        if (stepped) CheckStep(before);
        if (event.What == Action::Cell || event.What == Action::Gun) {
            Require(game_.Rolls.Total() == before.Rolls && game_.Messages.Total() == before.Messages &&
                        static_cast<const GameState&>(game_) == before.State,
                    "a click rolled, wrote a message or changed the mission state");
            if (!idle && event.What == Action::Cell && before.Phase == phase::RemoveEnemyFighters)
                expect_.Marked[event.Index] ^= true;
            else if (!idle && event.What == Action::Cell)
                expect_.Aim[before.SelectedGun] = event.Index;
        }
        // OK flies the target chosen, or Cancel the one confirmed before, if there is one. It starts at
        // home without a wave, every man unhurt at his post, every gun manned and full.
        if (before.Current != Screen::Mission && current == Screen::Mission) {
            ++counts_.Missions;
            expect_ = Expected{};
            const MissionRecord& mission = game_.Mission;
            bool fresh = !game_.Waves.Visible && game_.Fighters.UpperBound() == 0 &&
                         mission.CurrentZone == 1 && mission.Target.Direction == "Out" &&
                         mission.Target.Name == game_.SelectedTarget;
            for (int i = 1; i <= CrewCount; ++i)
                fresh = fresh && game_.Crew[i].Wound == 0 && game_.CrewPos[i].Occupant == i;
            for (int gun = FirstGun; gun <= LastGun; ++gun)
                fresh = fresh && game_.Guns[gun] == GunRecord{"OK", StartingAmmo[gun], gun};
            Require(fresh, "the mission to \"", game_.SelectedTarget, "\" does not start afresh");
        }
        if (current == Screen::Mission)
            CheckMission(before.Current == Screen::Mission ? before.State : game_, stepped);
    }

    // The phase and caption a step leads to by the game's rules, and the fighters the cover chases off.
    void CheckStep(const Snapshot& was) {
        const MissionScreen& screen = flow_.Mission();
        const MissionRecord& mission = game_.Mission;
        const int fighters = game_.Fighters.UpperBound(), wereFighters = was.State.Fighters.UpperBound();
        using T = std::pair<int, std::string_view>;
        const T assign{7, "Assign Corvane Guns"}, exit{11, "Exit Wave"}, cover{5, "Roll for Cover Results"};
        expect_.Step = [&]() -> T {
            switch (was.Phase) {
            case 1: return mission.CurrentZone != 1 ? T{2, "Check for Waves"} : T{18, "Landing at Base"};
            case 2: return screen.nWavesAppearing < 1 ? T{19, "Leaving the Zone"} : T{3, "Incoming Wave"};
            case 3: {
                if (fighters == 0) return {11, "Wave Resolved"};
                const ZoneRecord& z = mission.Target.Zone[mission.CurrentZone];
                const bool none = (mission.Target.Direction == "Out" ? z.CoverOut : z.CoverBack) == "None";
                return none ? assign : T{4, "Roll for Fighter Cover"};
            }
            case 4: return cover;
            case 5: return screen.nRemovals < 1 ? assign : T{6, "Remove Enemy Fighters"};
            case 6: return fighters != 0 ? assign : exit;
            case 7: return {8, "Corvane Fire"};
            case 8: return fighters < 1 ? exit : T{9, "Enemy Fire"};
            case 9:
                if (was.CurrentFighter + 1 <= wereFighters) return {9, "Enemy Fire"};
                return fighters < 1 || was.State.Mission.SuccessiveAttacks > 1 ? exit
                                                                               : T{10, "Successive Attack"};
            case 10: return screen.sCover == "Good" || screen.sCover == "Fair" ? cover : assign;
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
        if (was.Phase == phase::RollForCoverResults) {
            expect_.Removals = screen.nPhase == phase::RemoveEnemyFighters ? screen.nRemovals : 0;
            expect_.Marked = {};
        }
        if (was.Phase == phase::RemoveEnemyFighters) {
            FighterList kept;
            for (int i = 1; i <= wereFighters; ++i)
                if (!expect_.Marked[i]) kept.Add() = was.State.Fighters[i];
            Require(game_.Fighters == kept, "the removal did not take out exactly the marked fighters");
        }
        if (was.Phase == phase::LandingAtBase) counts_.Landings += !std::exchange(expect_.Landed, true);
        if (screen.nPhase == phase::AssignGuns && was.Phase != phase::AssignGuns) expect_.Aim = {};
    }

    // Within a mission wounds, ammunition and guns only get worse; a gun fires a burst at its aim.
    void CheckMission(const GameState& was, int stepped) {
        const MissionScreen& screen = flow_.Mission();
        const MissionRecord& mission = game_.Mission;
        const int phase = screen.nPhase, still = expect_.StillToRemove();
        Require(phase == expect_.Step.first && screen.cmdNextStep.Caption == expect_.Step.second, "phase ",
                phase, " \"", screen.cmdNextStep.Caption, "\" where the rules lead to ", expect_.Step.first);
        const bool disabled = (phase == phase::RemoveEnemyFighters && still != 0) ||
                              (phase == phase::LandingAtBase && expect_.Landed);
        Require(screen.cmdNextStep.Enabled == !disabled, "the step button is ",
                disabled ? "enabled" : "disabled", " in phase ", phase);
        for (int i = 1; i <= CrewCount; ++i)
            Require(was.Crew[i].Wound <= game_.Crew[i].Wound && game_.Crew[i].Wound <= 4, "crew member ", i,
                    "'s wound went from ", was.Crew[i].Wound, " to ", game_.Crew[i].Wound);
        for (int gun = FirstGun; gun <= LastGun; ++gun) {
            const GunRecord &now = game_.Guns[gun], &then = was.Guns[gun];
            const bool ammo = stepped == phase::CorvaneFire ? now.Ammo == then.Ammo - (expect_.Aim[gun] != 0)
                                                            : now.Ammo >= 0 && now.Ammo <= then.Ammo;
            Require(ammo && (now.Status == "Out" || (now.Status == "OK" && then.Status == "OK")) &&
                        (now.Gunner == 0 || game_.Crew[now.Gunner].Wound < 3),
                    "gun ", gun, " aimed at ", expect_.Aim[gun], " went from ", then.Ammo, " to ", now.Ammo,
                    " bursts, its state to \"", now.Status, "\", or a badly wounded man mans it");
        }
        // Only the step out of the target zone leaves the route, for a moment.
        const bool leftTarget = phase == phase::EnterNextZone && mission.Target.Direction == "Back";
        Require(mission.CurrentZone >= 1 && mission.CurrentZone <= mission.TargetZone + leftTarget,
                "the bomber is in zone ", mission.CurrentZone, " of a route to zone ", mission.TargetZone);
        Require(game_.Waves.Visible == (phase >= phase::RollForFighterCover && phase <= phase::WaveResolved),
                "the wave panel is ", game_.Waves.Visible ? "shown" : "hidden", " in phase ", phase);
        for (int i = 1; i <= game_.Fighters.UpperBound() && phase == phase::RemoveEnemyFighters; ++i)
            Require(screen.lblToHit[i].Tag == (expect_.Marked[i] ? "FC" : ""), "cell ", i,
                    " does not show its mark as the clicks left it");
        for (int gun = FirstGun; gun <= LastGun && phase == phase::AssignGuns; ++gun) {
            const int aim = expect_.Aim[gun];
            const FighterRecord& f = game_.Fighters[std::max(aim, 1)]; // a wave is in
            const int toHit = ChartGunnery(game_, gun, f.AttackPos, f.FighterType);
            const std::string tag = aim ? std::to_string(aim) + "/" + std::to_string(toHit) : "";
            Require(screen.lblGun[gun].Tag == tag, "gun ", gun, " carries the assignment \"",
                    screen.lblGun[gun].Tag, "\", not \"", tag, "\"");
        }
    }

    std::uint64_t seed_;
    Game game_;
    EntryFlow flow_;
    std::mt19937_64 choices_;
    MonkeyCounts& counts_;
    const Meddler& meddler_;
    long events_ = 0;
    Expected expect_;
};

} // namespace

std::optional<std::string> PlayMonkey(const GameDatabase& database, std::uint64_t seed, int missions,
                                      MonkeyCounts* counts, const Meddler& meddler) {
    MonkeyCounts ignored;
    return Monkey(database, seed, counts ? *counts : ignored, meddler).Play(missions);
}

} // namespace halvard::test
