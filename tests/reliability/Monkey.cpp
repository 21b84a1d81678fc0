#include "Monkey.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace halvard::test {
namespace {

constexpr std::size_t MostRecentEvents = 12;

// A number lo..hi from the player's own generator, apart from the game's dice.
int Pick(std::mt19937_64& random, int lo, int hi) {
    return lo + static_cast<int>(random() % static_cast<std::uint64_t>(hi - lo + 1));
}

} // namespace

MonkeyCounts& MonkeyCounts::operator+=(const MonkeyCounts& other) {
    Runs += other.Runs;
    Missions += other.Missions;
    Landings += other.Landings;
    LeftMidWave += other.LeftMidWave;
    Events += other.Events;
    IdleEvents += other.IdleEvents;
    return *this;
}

std::string MonkeyCounts::Summary() const {
    return std::to_string(Runs) + " runs, " + std::to_string(Missions) + " missions (" +
           std::to_string(Landings) + " landed, " + std::to_string(LeftMidWave) + " left in mid-wave), " +
           std::to_string(Events) + " events checked (" + std::to_string(IdleEvents) +
           " that must change nothing)";
}

Monkey::Monkey(const GameDatabase& database, std::uint64_t seed)
    : database_(database), seed_(seed), game_(std::make_unique<Game>(database, seed)),
      flow_(std::make_unique<EntryFlow>(*game_)), rules_(std::make_unique<RuleChecker>(*game_, *flow_)),
      choices_(seed ^ 0x9E3779B97F4A7C15ull) {}

MonkeyCounts Monkey::Counts() const {
    const RuleCounts& rules = rules_->Counts();
    return {runs_, rules.Missions, rules.Landings, rules.LeftMidWave, events_, rules.IdleEvents};
}

Event Monkey::Choose() {
    const int roll = Pick(choices_, 1, 1000);
    switch (flow_->Current()) {
    case Screen::Entry:
        if (roll <= 5) return {Action::Region, 4};
        if (roll <= 100) return {Action::Region, Pick(choices_, 1, 3)};
        // Missions 1-10 fly other targets, with fewer formation rolls.
        if (roll <= 150) return {Action::FixMission, Pick(choices_, 0, 1) == 0 ? 0 : Pick(choices_, 1, 25)};
        return {Action::Region, 0};
    case Screen::TargetDialog: {
        if (roll <= 10) return {Action::Region, Pick(choices_, 0, 4)}; // the entry screen is covered
        if (roll <= 400) return {Action::DialogOK};
        if (roll <= 550) return {Action::Option, Pick(choices_, 0, 1)};
        if (roll > 850) return {Action::DialogCancel};
        // Mostly a name of the list; sometimes nothing, an unknown name or a known one in the wrong case.
        const auto& targets = database_.Targets();
        const int kind = Pick(choices_, 1, 20);
        if (kind <= 14)
            return {Action::TypeTarget, 0,
                    targets[static_cast<std::size_t>(Pick(choices_, 0, static_cast<int>(targets.size()) - 1))]
                        .TargetName};
        if (kind <= 17) return {Action::TypeTarget, 0, ""};
        if (kind <= 19) return {Action::TypeTarget, 0, "Berlin"};
        std::string lower = targets.front().TargetName;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return {Action::TypeTarget, 0, lower};
    }
    case Screen::Mission: return ChooseOnMission();
    case Screen::Ended: break;
    }
    throw std::logic_error("no event after the program ended");
}

Event Monkey::ChooseOnMission() {
    const int phase = flow_->Mission().nPhase;
    const int roll = Pick(choices_, 1, 1000);
    auto anyCell = [this] { return Event{Action::Cell, Pick(choices_, 1, WaveRows)}; };
    auto anyGun = [this] { return Event{Action::Gun, Pick(choices_, FirstGun, LastGun)}; };

    if (phase == phase::LandingAtBase && rules_->Landed()) {
        if (roll <= 600) return {Action::OK};
    } else if (roll <= 3) {
        return {Action::OK};
    }
    if (roll <= 6) return {Action::Region, Pick(choices_, 0, 4)}; // the entry screen is hidden

    if (phase == phase::RemoveEnemyFighters) {
        // Mostly what the count asks for; sometimes one mark too many, or one taken back.
        const int still = rules_->StillToRemove();
        if (still == 0) return roll <= 600 ? Event{Action::Step} : anyCell();
        if (roll <= 100) return {Action::Step};
        if (roll <= 250) return roll <= 200 ? anyCell() : anyGun();
        std::vector<int> rows;
        for (int i = 1; i <= game_->Fighters.UpperBound(); ++i)
            if (CanBeChasedOff(game_->Fighters[i]) && rules_->Marked(i) == (still < 0)) rows.push_back(i);
        if (rows.empty()) return anyCell();
        return {Action::Cell,
                rows[static_cast<std::size_t>(Pick(choices_, 0, static_cast<int>(rows.size()) - 1))]};
    }
    if (phase == phase::AssignGuns) {
        // Selecting, aiming and re-aiming, then firing.
        if (roll <= 350) return anyGun();
        if (roll <= 750) return anyCell();
        return {Action::Step};
    }
    if (roll <= 800) return {Action::Step};
    return roll <= 920 ? anyCell() : anyGun();
}

void Monkey::Dispatch(const Event& event) {
    switch (event.What) {
    case Action::Region: flow_->imgChoice_Click(event.Index); break;
    case Action::FixMission:
        flow_->FixMissionNumber(event.Index == 0 ? std::nullopt : std::optional<int>(event.Index));
        break;
    case Action::Option: flow_->TargetDialog().optTargetChoice_Click(event.Index); break;
    case Action::TypeTarget: flow_->TargetDialog().cboTargetList.Text = event.Text; break;
    case Action::DialogOK: flow_->TargetDialog().cmdOK_Click(); break;
    case Action::DialogCancel: flow_->TargetDialog().cmdCancel_Click(); break;
    case Action::Step: flow_->Mission().cmdNextStep_Click(); break;
    case Action::Cell: flow_->Mission().lblToHit_Click(event.Index); break;
    case Action::Gun: flow_->Mission().lblGun_Click(event.Index); break;
    case Action::OK: flow_->Mission().cmdOK_Click(); break;
    }
}

std::optional<std::string> Monkey::Play(int missions) {
    ++runs_;
    while (rules_->Counts().Missions < missions && flow_->Current() != Screen::Ended) {
        const Event event = Choose();
        ++events_;
        recent_.push_back(event.Describe() + (flow_->Current() == Screen::Mission
                                                  ? " in phase " + std::to_string(flow_->Mission().nPhase)
                                                  : ""));
        if (recent_.size() > MostRecentEvents) recent_.pop_front();
        try {
            rules_->Check(event, [this, &event] {
                Dispatch(event);
                if (meddler_) meddler_(*flow_, *game_, event);
            });
        } catch (const std::exception& broken) {
            std::string report = "seed " + std::to_string(seed_) + ", event " + std::to_string(events_) +
                                 " (" + event.Describe() + "): " + broken.what() + "\n  the events up to it:";
            for (const std::string& line : recent_)
                report += "\n    " + line;
            report += "\n  replay: HALVARD_MONKEY_SEED=" + std::to_string(seed_) +
                      " reliability_tests --gtest_filter=Monkey.ReplaysTheSeedOfAReport";
            return report;
        }
    }
    return std::nullopt;
}

} // namespace halvard::test
