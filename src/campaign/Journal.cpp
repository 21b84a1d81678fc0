#include "Journal.h"

#include <algorithm>

namespace halvard {
namespace {

bool Starts(ActionKind kind) {
    return kind == ActionKind::Random || kind == ActionKind::Choose || kind == ActionKind::Cancel;
}

// The summary the missions' list shows, read off the screen after each action.
void Note(JournalMission& mission, const EntryFlow& flow, const Game& game) {
    if (flow.Current() != Screen::Mission) return;
    const MissionScreen& screen = flow.Mission();
    mission.Number = game.Mission.MissionNo;
    mission.Target = screen.lblTarget.Caption.Text();
    mission.TargetType = screen.lblTargetType.Caption.Text();
    mission.OnTarget = screen.lblOnTarget.Caption.Text();
    mission.BombPct = mission.OnTarget.empty() ? 0 : screen.lblBombPct.Caption.Value().value_or(0);
    if (const std::optional<Outcome> ending = game.Mission.Ending) mission.Ending = NameOf(*ending).Label;
}

constexpr std::string_view ZoneMark = "M [ZONE #";
constexpr std::string_view BombRunMark = "M [COMMENCING BOMB RUN]";

} // namespace

std::vector<std::string> RecordLines(const JournalMission& mission) {
    std::vector<std::string> lines;
    for (const RecordedAction& action : mission.Actions)
        lines.insert(lines.end(), action.Lines.begin(), action.Lines.end());
    return lines;
}

std::vector<Bookmark> Bookmarks(const JournalMission& mission) {
    std::vector<Bookmark> marks;
    std::size_t line = 0;
    bool back = false, landing = false;
    for (std::size_t action = 0; action < mission.Actions.size(); ++action) {
        const RecordedAction& recorded = mission.Actions[action];
        if (!landing && recorded.Caption == "Landing at Base" && !recorded.Lines.empty()) {
            landing = true;
            marks.push_back({"Landing", action, line});
        }
        for (const std::string& text : recorded.Lines) {
            if (line == 0) marks.push_back({"Take-off", action, line});
            if (text.starts_with(ZoneMark) && text.ends_with("]")) {
                const std::string zone = text.substr(ZoneMark.size(), text.size() - ZoneMark.size() - 1);
                marks.push_back({"Zone " + zone + (back ? " (back)" : " (out)"), action, line});
            } else if (text == BombRunMark) {
                back = true;
                marks.push_back({"Bomb run", action, line});
            }
            ++line;
        }
    }
    return marks;
}

RunJournal::RunJournal(Game& game, EntryFlow& flow) : game_(game), flow_(flow), tape_(game, false) {}

ActionResult RunJournal::Perform(const Action& action) {
    const bool starting = Starts(action.Kind) && flow_.Current() != Screen::Mission;
    std::optional<ReplayStart> start;
    if (starting) start = ReplayStart{game_.Save(), flow_.CurrentSettings(), false};
    const bool onMission = flow_.Current() == Screen::Mission;
    RecordedAction made;
    const auto keep = [&] {
        if (starting && flow_.Current() == Screen::Mission) {
            missions_.push_back({});
            missions_.back().Start = std::move(start);
        } else if (!onMission || missions_.empty()) {
            return;
        }
        JournalMission& mission = missions_.back();
        if (action.Kind == ActionKind::Ok) mission.Concluded = true;
        Note(mission, flow_, game_);
        mission.Actions.push_back(std::move(made));
    };
    ActionResult result;
    try {
        result = tape_.Apply(flow_, action, made);
    } catch (...) {
        // The lines a failing action made were shown: the record keeps them too.
        keep();
        throw;
    }
    if (result.Accepted) keep();
    return result;
}

namespace {

// The tour as it stood before its first mission, made from the tour as it stands: the first
// crew are the first ten members stored, in position order.
std::optional<Campaign> TourAtStart(const Campaign& campaign, std::vector<CrewMember>& later) {
    std::vector<CrewMember> everyone(campaign.Crew.begin(), campaign.Crew.end());
    everyone.insert(everyone.end(), campaign.Former.begin(), campaign.Former.end());
    std::sort(everyone.begin(), everyone.end(), [](const auto& a, const auto& b) { return a.Id < b.Id; });
    Campaign start = campaign;
    start.NextMission = 1;
    start.Damage = {};
    start.Recruits = 0;
    start.Former.clear();
    start.Missions.clear();
    for (int position = 1; position <= CrewCount; ++position) {
        const CrewMember& first = everyone[static_cast<std::size_t>(position - 1)];
        if (first.Position != position) return std::nullopt;
        start.Crew[position] = {first.Id, position, first.Name};
    }
    later.assign(everyone.begin() + CrewCount, everyone.end());
    return start;
}

} // namespace

std::vector<JournalMission> TourJournal(CampaignStore& store, const GameDatabase& database,
                                        const Campaign& campaign) {
    std::vector<JournalMission> journal;
    std::vector<CrewMember> later; // replacements, in the order they joined
    std::optional<Campaign> tour = TourAtStart(campaign, later);
    std::string broken = tour ? "" : "the crew's record does not tell who flew first";
    std::size_t joined = 0;
    const int flown = static_cast<int>(campaign.Missions.size());
    for (int number = 1; number <= flown + 1 && number <= TourLength; ++number) {
        JournalMission mission;
        mission.Number = number;
        mission.Actions = store.LoadRecord(campaign, number);
        if (mission.Actions.empty()) break; // the next mission, not begun
        if (number <= flown) {
            const MissionLog& log = campaign.Missions[static_cast<std::size_t>(number - 1)];
            mission.Target = log.Target;
            mission.Ending = log.Outcome;
            mission.OnTarget = log.OnTarget;
            mission.BombPct = log.BombPct;
            mission.Concluded = true;
        }
        if (!broken.empty()) {
            mission.NoReplay = broken;
            journal.push_back(std::move(mission));
            continue;
        }

        Game game(database);
        MissionTape tape(game, true);
        std::unique_ptr<EntryFlow> flow = StartTourMission(*tour, game);
        ReplayStart start{game.Save(), flow->CurrentSettings(), true};
        std::optional<MissionReport> report;
        for (std::size_t seq = 0; seq < mission.Actions.size() && broken.empty(); ++seq) {
            const RecordedAction& recorded = mission.Actions[seq];
            // What the mission left, read while its screen is still loaded.
            if (recorded.Text == ActionText({ActionKind::Ok, 0, {}}) && flow->Current() == Screen::Mission)
                report = tape.Report(*flow);
            if (!tape.Replay(*flow, recorded)) {
                broken = "mission " + std::to_string(number) +
                         " does not replay as it was recorded (action " + std::to_string(seq + 1) + ", \"" +
                         recorded.Text + "\")";
                break;
            }
            Note(mission, *flow, game);
        }
        if (!broken.empty()) {
            mission.NoReplay = broken;
        } else {
            mission.Start = std::move(start);
            if (mission.Concluded && report) {
                ConcludeMission(*tour, *report);
                // The replacements the tour drew are the members who joined, names and all.
                for (CrewMember& member : tour->Crew) {
                    if (member.Id != 0 || joined == later.size()) continue;
                    member.Id = later[joined].Id;
                    member.Name = later[joined++].Name;
                }
            }
        }
        journal.push_back(std::move(mission));
    }
    return journal;
}

MissionReplay::MissionReplay(const GameDatabase& database, const JournalMission& mission)
    : database_(database), mission_(mission) {
    last_ = static_cast<int>(mission.Actions.size());
    if (mission.Concluded) --last_;
    Rebuild();
    GoTo(1);
}

void MissionReplay::Rebuild() {
    // The flow and tape go before the game they hold on to.
    flow_.reset();
    tape_.reset();
    game_ = std::make_unique<Game>(database_);
    tape_ = std::make_unique<MissionTape>(*game_, mission_.Start->EndAtLoss);
    game_->Restore(mission_.Start->State);
    flow_ = std::make_unique<EntryFlow>(*game_, mission_.Start->Flow);
    at_ = 0;
    ++builds_;
}

void MissionReplay::GoTo(int moment) {
    moment = std::clamp(moment, 1, std::max(last_, 1));
    if (moment < at_) Rebuild();
    while (at_ < moment) {
        const RecordedAction& recorded = mission_.Actions[static_cast<std::size_t>(at_)];
        try {
            if (!tape_->Replay(*flow_, recorded))
                problem_ = "action " + std::to_string(at_ + 1) + ", \"" + recorded.Text +
                           "\", does not replay as recorded";
        } catch (const std::exception& e) {
            // A run's dice script that ran out: the record stops there too.
            problem_ = e.what();
        }
        ++at_;
        if (!problem_.empty()) {
            last_ = at_;
            return;
        }
    }
}

int MissionReplay::NextZone() const {
    for (int action = at_; action < last_; ++action) {
        const auto& lines = mission_.Actions[static_cast<std::size_t>(action)].Lines;
        if (std::any_of(lines.begin(), lines.end(),
                        [](const std::string& line) { return line.starts_with(ZoneMark); }))
            return action + 1;
    }
    return last_;
}

} // namespace halvard
