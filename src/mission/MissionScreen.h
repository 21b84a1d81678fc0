#pragma once

// The mission screen as plain data: its controls (captions, colours, hidden tags, enabled and
// visible flags), its form-level variables and its handlers. A window or a terminal draws these
// fields and forwards the player's clicks; every rule of the screen lives here.

#include "Game.h"
#include "GameState.h"
#include "IndexedArray.h"
#include "View.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace halvard {

struct CommandButton {
    halvard::Caption Caption;
    bool Enabled = true;

    friend bool operator==(const CommandButton&, const CommandButton&) = default;
};

// The phases of the step button, named by the step a press performs in them. The numbering
// has no phases 14 and 16.
namespace phase {
constexpr int EnterNextZone = 1;
constexpr int CheckForWaves = 2;
constexpr int IncomingWave = 3;
constexpr int RollForFighterCover = 4;
constexpr int RollForCoverResults = 5;
constexpr int RemoveEnemyFighters = 6;
constexpr int AssignGuns = 7;
constexpr int CorvaneFire = 8;
constexpr int EnemyFire = 9;
constexpr int SuccessiveAttack = 10;
constexpr int WaveResolved = 11;
constexpr int EnterTarget = 12;
constexpr int FlakResults = 13;
constexpr int BombRun = 15;
constexpr int ExitTarget = 17;
constexpr int LandingAtBase = 18;
constexpr int LeavingTheZone = 19;
} // namespace phase

class MissionScreen;

// What the screen keeps of a gun counter itself: its background (a ready gun with a shot, the
// gun selected) and its aim, "2/5" for fighter 2 at a to-hit number of 5.
struct GunCounter {
    Colour BackColour = Colour::Normal;
    Mark Tag;

    friend bool operator==(const GunCounter&, const GunCounter&) = default;
};

// A column of labels First..Last (the gun panel's guns 2..10, the wave panel's rows 1..6),
// drawn when it is read: it shows the game as it stands, so nothing has to redraw it as the
// game changes.
template <int First, int Last> class DrawnLabels {
  public:
    using Draw = Label (MissionScreen::*)(int index) const;
    DrawnLabels(const MissionScreen& screen, Draw draw) : screen_(screen), draw_(draw) {}

    Label operator[](int index) const { return (screen_.*draw_)(index); }

    class iterator {
      public:
        iterator(const DrawnLabels& labels, int index) : labels_(&labels), index_(index) {}
        Label operator*() const { return (*labels_)[index_]; }
        iterator& operator++() {
            ++index_;
            return *this;
        }
        friend bool operator==(const iterator&, const iterator&) = default;

      private:
        const DrawnLabels* labels_;
        int index_;
    };
    iterator begin() const { return {*this, First}; }
    iterator end() const { return {*this, Last + 1}; }

  private:
    const MissionScreen& screen_;
    Draw draw_;
};

class MissionScreen {
  public:
    // The screen of one mission. unload is called when the player presses OK.
    explicit MissionScreen(Game& game, std::function<void()> unload = {});

    MissionScreen(const MissionScreen&) = delete;
    MissionScreen& operator=(const MissionScreen&) = delete;

    // The crew panel's name of a crew position 1-10: "Pilot" ... "Tail Gunner".
    static std::string_view CrewPositionName(int position);

    // The crew's names for the crew panel, in place of "(names later)", by crew member.
    void NameTheCrew(const IndexedArray<std::string, 1, CrewCount>& names);

    // Loads the selected target, sets the mission up and shows it; phase 1.
    void Form_Load();
    // Performs the step of the current phase, then moves to the next one.
    void cmdNextStep_Click();
    // Marks a fighter for the fighter cover (phase 6) or aims the selected gun (phase 7).
    void lblToHit_Click(int index);
    // Selects a gun for aiming (phase 7).
    void lblGun_Click(int index);
    // Ends the mission, in any phase.
    void cmdOK_Click();

    // Redraws the mission and crew panels from the mission state. Only ever worsens a colour:
    // wounds never heal within a mission.
    void RefreshDisplay();
    // Works out what each ready gun needs to hit each fighter of the wave, and highlights the
    // guns that have a shot. Nothing that decides it changes until the guns fire, so selecting
    // a gun shows these numbers.
    void PreAssignGuns();
    // Takes the marked ("FC", "XXX") and destroyed fighters out of the wave.
    void RemoveFighters();
    // Every aimed gun fires at its fighter.
    void CorvaneFire();
    // Fighter nCurrentFighter fires at the bomber.
    void EnemyFire();
    // True when the current zone has fighter cover on the current leg.
    bool FighterCoverAvailable() const;

    // A gun that can fire: "OK", with ammunition and a gunner. In line: asked of every gun
    // whenever the guns are assigned.
    bool GunReady(int gun) const {
        const GunRecord& record = game_.Guns[gun];
        return record.Status == "OK" && record.Ammo >= 1 && record.Gunner >= 1;
    }
    // Whether the fighter cover can chase fighter i of the wave off.
    bool CanBeChasedOff(int fighter) const;

    // Controls, under the names the players' screen gives them.
    CommandButton cmdNextStep{"Enter Next Zone"};
    CommandButton cmdOK{"OK"};
    Label lblMissionNo, lblTarget, lblTargetType, lblFormationPos, lblSquadronPos;
    Label lblOnTarget, lblBombPct;
    IndexedArray<GunCounter, FirstGun, LastGun> GunCounters;
    // The gun panel: counters with the ammunition left, on the counter's background and with its
    // aim as the Tag, and the guns' names. Both take the colour of the gun's state.
    DrawnLabels<FirstGun, LastGun> lblGun{*this, &MissionScreen::GunCounterLabel};
    DrawnLabels<FirstGun, LastGun> lblGunName{*this, &MissionScreen::GunNameLabel};
    IndexedArray<Label, 1, CrewCount> lblCrewWound;
    IndexedArray<Label, 1, CrewCount> lblCrewPos;
    IndexedArray<Label, 1, CrewCount> lblCrewName;
    // The wave panel (fraWaves) and the message list (lstMessages) live in the game, since the
    // charts write them.
    WavePanel& fraWaves();
    const WavePanel& fraWaves() const;
    // The wave panel's to-hit cells, rows 1..6: the cell's background and mark as the panel
    // keeps them, with the number the selected gun needs to hit the row's fighter, if it shows
    // one (ShownToHit).
    DrawnLabels<1, WaveRows> lblToHit{*this, &MissionScreen::ToHitLabel};
    // The number the to-hit cell of a wave row (1..6) shows: the one the gun whose selection
    // showed numbers needs to hit that row's fighter; 0 when it shows none. In line: the
    // player reads it of every row for every gun.
    int ShownToHit(int row) const {
        if (shownGun_ == 0 || row < 1 || row > WaveRows) return 0;
        return shots_[shownGun_].ToHit[static_cast<std::size_t>(row)];
    }

    // Form-level variables.
    int nPhase = 0;
    int nWavesAppearing = 0;
    std::string sCover;
    std::string sFlakDensity;
    int nCurrentFighter = 0;
    int nRemovals = 0;
    int nSelectedGun = 0;

    // Fighters destroyed in this mission, by the crew member of the gun whose shot first
    // brought each to DamageLevel 3: later shots of the same volley add nothing.
    IndexedArray<int, 1, CrewCount> FightersDestroyedBy{};

  private:
    // The fighter cover of the current zone on the leg being flown.
    std::string_view CoverOfTheLeg() const;
    // In the target zone on the way out: where the target's weather and the bomb run come.
    bool OutboundAtTarget() const;
    void Step();
    void NextPhase();
    void EnterPhase(int phase, std::string_view caption);
    // Every way into phase 7: the guns with a shot highlighted, the to-hit cells normal.
    void EnterGunAssignment();
    int FighterCount() const;
    // The mission panel: what the mission is, which nothing changes while it is flown.
    void ShowMission();
    // The crew panel, which every hit on the bomber can change.
    void ShowCrew();
    // The gun panel's labels of a gun, and the colour of its state: orange without ammunition,
    // red out of action, blue without a gunner. A gun's state only worsens within a mission.
    Label GunCounterLabel(int gun) const;
    Label GunNameLabel(int gun) const;
    Label ToHitLabel(int row) const;
    Colour GunColour(int gun) const;
    // "Remove n Enemy Fighters", the marks still to be made.
    void ShowRemovalsLeft();

    Game& game_;
    std::function<void()> unload_;
    // What a gun needs to hit each fighter of the wave (0: no shot), as PreAssignGuns found,
    // and whether that gives it any shot.
    struct Shots {
        std::array<int, WaveRows + 1> ToHit{}; // by wave row; index 0 is not a row
        bool Any = false;
    };
    IndexedArray<Shots, FirstGun, LastGun> shots_{};
    // The gun whose numbers the to-hit cells show: the last one selected, if it has a shot;
    // 0 when they show none.
    int shownGun_ = 0;
};

} // namespace halvard
