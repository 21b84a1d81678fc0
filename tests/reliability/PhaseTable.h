#pragma once

// The step button's phase machine as the game's rules lay it out: the phases with the captions
// the button may show in each, and which phase follows a press, under which condition. The
// monkey holds the mission screen to these tables; they are written out here rather than taken
// from the screen's own code, so that the two can disagree.

#include <array>
#include <string>
#include <string_view>

namespace halvard::test {

struct PhaseCaptions {
    int Phase;
    std::array<std::string_view, 2> Captions; // the second is empty where a phase has one
};

inline constexpr PhaseCaptions PhaseTable[] = {
    {1, {"Enter Next Zone"}},
    {2, {"Check for Waves"}},
    {3, {"Incoming Wave", "Incoming Wave!"}},
    {4, {"Roll for Fighter Cover"}},
    {5, {"Roll for Cover Results"}},
    {6, {"Remove Enemy Fighters"}},
    {7, {"Assign Corvane Guns"}},
    {8, {"Corvane Fire"}},
    {9, {"Enemy Fire"}},
    {10, {"Successive Attack"}},
    {11, {"Wave Resolved", "Exit Wave"}},
    {12, {"Enter Target"}},
    {13, {"Flak Results"}},
    {15, {"Bomb Run"}},
    {17, {"Exit Target"}},
    {18, {"Landing at Base"}},
    {19, {"Leaving the Zone", "Exit Zone"}},
};

// The phase's row of the table, or nullptr for a number that is no phase (14, 16, 0, 20...).
inline const PhaseCaptions* FindPhase(int phase) {
    for (const PhaseCaptions& row : PhaseTable)
        if (row.Phase == phase) return &row;
    return nullptr;
}

// What the transition conditions test, read from the mission after the step (and, for the
// enemy fire, before it).
struct PhaseConditions {
    int Fighters = 0;       // fighters of the wave after the step
    int FightersBefore = 0; // and before it
    int CurrentZone = 0;
    int TargetZone = 0;
    std::string Direction;   // "Out" or "Back"
    std::string CoverOfLeg;  // the current zone's cover on the leg flown
    int WavesAppearing = 0;  // nWavesAppearing
    int Removals = 0;        // nRemovals
    std::string Cover;       // sCover
    std::string FlakDensity; // sFlakDensity
    int CurrentFighterBefore = 0;
    int SuccessiveAttacksBefore = 0;
};

struct Transition {
    int Phase;
    std::string_view Caption;
};

// The phase a press of the step button in phase `from` leads to, and the caption it writes.
inline Transition NextPhaseByTheRules(int from, const PhaseConditions& c) {
    switch (from) {
    case 1: return c.CurrentZone != 1 ? Transition{2, "Check for Waves"} : Transition{18, "Landing at Base"};
    case 2: return c.WavesAppearing < 1 ? Transition{19, "Leaving the Zone"} : Transition{3, "Incoming Wave"};
    case 3:
        if (c.Fighters == 0) return {11, "Wave Resolved"};
        if (c.CoverOfLeg == "None") return {7, "Assign Corvane Guns"};
        return {4, "Roll for Fighter Cover"};
    case 4: return {5, "Roll for Cover Results"};
    case 5:
        return c.Removals < 1 ? Transition{7, "Assign Corvane Guns"} : Transition{6, "Remove Enemy Fighters"};
    case 6: return c.Fighters != 0 ? Transition{7, "Assign Corvane Guns"} : Transition{11, "Exit Wave"};
    case 7: return {8, "Corvane Fire"};
    case 8: return c.Fighters < 1 ? Transition{11, "Exit Wave"} : Transition{9, "Enemy Fire"};
    case 9:
        if (c.CurrentFighterBefore + 1 <= c.FightersBefore) return {9, "Enemy Fire"};
        if (c.Fighters < 1 || c.SuccessiveAttacksBefore > 1) return {11, "Exit Wave"};
        return {10, "Successive Attack"};
    case 10:
        return c.Cover != "Good" && c.Cover != "Fair" ? Transition{7, "Assign Corvane Guns"}
                                                      : Transition{5, "Roll for Cover Results"};
    case 11:
        if (c.Direction == "Out" && c.CurrentZone == c.TargetZone && c.WavesAppearing == 0)
            return {12, "Enter Target"};
        if (c.WavesAppearing <= 0) return {19, "Exit Zone"};
        return {3, "Incoming Wave!"};
    case 12: return c.FlakDensity != "None" ? Transition{13, "Flak Results"} : Transition{15, "Bomb Run"};
    case 13: return {15, "Bomb Run"};
    case 15: return {17, "Exit Target"};
    case 17: return {1, "Enter Next Zone"};
    case 18: return {18, "Landing at Base"}; // the last phase: phase and caption stay
    case 19: return {1, "Enter Next Zone"};
    default: return {0, ""};
    }
}

} // namespace halvard::test
