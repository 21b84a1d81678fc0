#include "Monkey.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace halvard::test {
namespace {

// A number lo..hi from the player's own generator, apart from the game's dice.
int Pick(std::mt19937_64& random, int lo, int hi) {
    return lo + static_cast<int>(random() % static_cast<std::uint64_t>(hi - lo + 1));
}

} // namespace

Monkey::Monkey(const GameDatabase& database, std::uint64_t seed)
    : database_(database), seed_(seed), game_(database, seed), flow_(game_),
      choices_(seed ^ 0x9E3779B97F4A7C15ull) {
    game_.Messages.SetListener([this](std::string_view line) { messages_.emplace_back(line); });
}

std::string Event::Describe() const {
    static constexpr const char* Names[] = {"region",      "mission number", "option", "typed",
                                            "dialog OK",   "Cancel",         "step",   "cell",
                                            "gun counter", "mission OK"};
    return Names[static_cast<int>(What)] + (Text.empty() ? " " + std::to_string(Index) : " \"" + Text + "\"");
}

Event Monkey::Choose() {
    const int roll = Pick(choices_, 1, 1000);
    if (flow_.Current() == Screen::Entry) {
        if (roll <= 5) return {Action::Region, 4};
        if (roll <= 100) return {Action::Region, Pick(choices_, 1, 3)};
        // Missions 1-10 fly other targets, with fewer formation rolls.
        if (roll <= 150) return {Action::FixMission, Pick(choices_, 0, 1) * Pick(choices_, 1, 25)};
        return {Action::Region, 0};
    }
    if (flow_.Current() == Screen::TargetDialog) {
        if (roll <= 10) return {Action::Region, Pick(choices_, 0, 4)}; // the entry screen is covered
        if (roll <= 400) return {Action::DialogOK};
        if (roll <= 550) return {Action::Option, Pick(choices_, 0, 1)};
        if (roll > 850) return {Action::DialogCancel};
        // Mostly a name of the list; sometimes nothing, an unknown name or a known one in the wrong case.
        const auto& names = database_.TargetNames();
        std::string name =
            names[static_cast<std::size_t>(Pick(choices_, 0, static_cast<int>(names.size()) - 1))];
        const int kind = Pick(choices_, 1, 20);
        if (kind == 20)
            std::ranges::transform(name, name.begin(),
                                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return {Action::TypeTarget, 0, kind <= 14 || kind == 20 ? name : kind <= 17 ? "" : "Berlin"};
    }
    return ChooseOnMission();
}

Event Monkey::ChooseOnMission() {
    const int phase = flow_.Mission().nPhase;
    const int roll = Pick(choices_, 1, 1000);
    const Event cell{Action::Cell, Pick(choices_, 1, WaveRows)},
        gun{Action::Gun, Pick(choices_, FirstGun, LastGun)};
    if (roll <= (phase == phase::LandingAtBase && expect_.Landed ? 600 : 3)) return {Action::OK};
    if (roll <= 6) return {Action::Region, Pick(choices_, 0, 4)}; // the entry screen is hidden
    if (phase == phase::RemoveEnemyFighters) {
        // Mostly what the count asks for; sometimes one mark too many, or one taken back.
        const int still = StillToRemove();
        if (still == 0) return roll <= 600 ? Event{Action::Step} : cell;
        if (roll <= 250) return roll <= 100 ? Event{Action::Step} : roll <= 200 ? cell : gun;
        std::vector<int> rows;
        for (int i = 1; i <= game_.Fighters.UpperBound(); ++i)
            if (flow_.Mission().CanBeChasedOff(i) &&
                expect_.Marked[static_cast<std::size_t>(i)] == (still < 0))
                rows.push_back(i);
        if (rows.empty()) return cell;
        return {Action::Cell,
                rows[static_cast<std::size_t>(Pick(choices_, 0, static_cast<int>(rows.size()) - 1))]};
    }
    if (phase == phase::AssignGuns) return roll <= 350 ? gun : roll <= 750 ? cell : Event{Action::Step};
    return roll <= 800 ? Event{Action::Step} : roll <= 920 ? cell : gun;
}

void Monkey::Dispatch(const Event& event) {
    switch (event.What) {
    case Action::Region: flow_.imgChoice_Click(event.Index); break;
    case Action::FixMission:
        flow_.FixMissionNumber(event.Index ? std::optional(event.Index) : std::nullopt);
        break;
    case Action::Option: flow_.TargetDialog().optTargetChoice_Click(event.Index); break;
    case Action::TypeTarget: flow_.TargetDialog().cboTargetList.Text = event.Text; break;
    case Action::DialogOK: flow_.TargetDialog().cmdOK_Click(); break;
    case Action::DialogCancel: flow_.TargetDialog().cmdCancel_Click(); break;
    case Action::Step: flow_.Mission().cmdNextStep_Click(); break;
    case Action::Cell: flow_.Mission().lblToHit_Click(event.Index); break;
    case Action::Gun: flow_.Mission().lblGun_Click(event.Index); break;
    case Action::OK: flow_.Mission().cmdOK_Click(); break;
    }
}

std::optional<std::string> Monkey::Play(int missions) {
    while (Counts.Missions < missions && flow_.Current() != Screen::Ended) {
        const Event event = Choose();
        recent_.push_back(event.Describe() + (flow_.Current() == Screen::Mission
                                                  ? " in phase " + std::to_string(flow_.Mission().nPhase)
                                                  : ""));
        if (recent_.size() > 12) recent_.pop_front();
        try {
            ++Counts.Events;
            Check(event);
        } catch (const std::exception& broken) {
            std::string report = "seed " + std::to_string(seed_) + ", event " +
                                 std::to_string(Counts.Events) + ": " + broken.what() +
                                 "\n  the events up to it:";
            for (const std::string& line : recent_)
                report += "\n    " + line;
            return report;
        }
    }
    return std::nullopt;
}

} // namespace halvard::test
