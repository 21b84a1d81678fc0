#pragma once

// The rules the screens must keep whatever the player does, checked after every event: the
// phase and the step button's caption and state as the phase table gives them, wounds,
// ammunition and knocked-out guns that only get worse within a mission, a wave of at most six
// fighters shown row by row, marks and aims as the clicks made them, the lists' caps, and
// events that must change nothing changing nothing.

#include "EntryFlow.h"
#include "Game.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace halvard::test {

enum class Action { Region, FixMission, Option, TypeTarget, DialogOK, DialogCancel, Step, Cell, Gun, OK };

// One thing the player does: a click (with the region, option, cell or gun), typing a name, or
// fixing the mission number as the terminal's "mission N" does (0: draw it again).
struct Event {
    Event(Action what, int index = 0, std::string text = {})
        : What(what), Index(index), Text(std::move(text)) {}

    Action What;
    int Index;
    std::string Text;

    std::string Describe() const;
};

// Escorts ("B", "D") and the lead or tail bomber's extra fighter ("") stay whatever the fighter
// cover does; every other fighter can be chased off.
bool CanBeChasedOff(const FighterRecord& fighter);

// A rule that did not hold after an event.
class RuleBroken : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct RuleCounts {
    long Missions = 0;
    long Landings = 0;
    long LeftMidWave = 0;
    long IdleEvents = 0;
};

class RuleChecker {
  public:
    RuleChecker(Game& game, EntryFlow& flow);
    ~RuleChecker();
    RuleChecker(const RuleChecker&) = delete;
    RuleChecker& operator=(const RuleChecker&) = delete;

    // Performs the event and checks every rule after it; throws RuleBroken, also when the
    // event itself throws.
    void Check(const Event& event, const std::function<void()>& perform);

    // What the player knows of the removal: how many marks are still wanted (negative when
    // too many are set), whether a row is marked; and whether the mission has landed.
    int StillToRemove() const;
    bool Marked(int row) const;
    bool Landed() const;

    const RuleCounts& Counts() const { return counts_; }

  private:
    struct Expectations;
    struct Before;

    Before Capture(const Event& event) const;
    bool IsIdle(const Event& event) const;
    void CheckEvent(const Event& event, const Before& before);
    void CheckDialogOK(const Before& before);
    void StartMission();
    void CheckStep(const Before& before);
    void CheckMission() const;
    void CheckPanels() const;
    void CheckWave() const;
    void CheckRemoval() const;
    void CheckAssignment() const;

    // The to-hit number of a gun against fighter i of the wave, as the gunnery chart gives it.
    int ToHit(int gun, int fighter) const;
    bool Selectable(int gun) const;
    std::string ExpectedToHitCaption(int cell) const;

    Game& game_;
    EntryFlow& flow_;
    bool targetConfirmed_ = false;
    int fixedMission_ = 0;
    std::unique_ptr<Expectations> expect_;
    std::vector<std::string> messages_; // written during the event
    std::vector<std::string> rolls_;
    RuleCounts counts_;
};

} // namespace halvard::test
