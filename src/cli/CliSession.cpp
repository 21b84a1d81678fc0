#include "CliSession.h"

#include "CampaignSession.h"
#include "Game.h"
#include "Journal.h"
#include "Names.h"
#include "Report.h"
#include "Views.h"

#include <algorithm>
#include <charconv>
#include <iomanip>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

namespace halvard {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// A whole number from low to high, or nothing.
std::optional<int> NumberIn(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// How a person reads a colour of the screen in plain text.
std::string_view CellMark(Colour colour) {
    switch (colour) {
    case Colour::Red: return "stays";
    case Colour::Blue: return "chased";
    case Colour::Yellow: return "aimed";
    case Colour::Highlight: return "ready";
    case Colour::Orange: return "empty";
    default: return "";
    }
}

} // namespace

CliSession::CliSession(Game& game, std::ostream& out, bool trace)
    : game_(game), out_(out), trace_(trace), ownFlow_(std::make_unique<EntryFlow>(game)),
      journal_(std::make_unique<RunJournal>(game, *ownFlow_)) {
    journal_->Follow([this](std::string_view line) { Follow(line); });
}

CliSession::CliSession(CampaignSession& campaign, std::ostream& out, bool trace)
    : game_(campaign.CurrentGame()), out_(out), trace_(trace), campaign_(&campaign) {
    // Lines come once they are committed, so nothing is shown that a crash could take back.
    campaign.Follow([this](std::string_view line) { Follow(line); });
}

CliSession::~CliSession() {
    if (campaign_) campaign_->Follow({});
}

EntryFlow& CliSession::flow() {
    return campaign_ ? campaign_->Flow() : *ownFlow_;
}

const EntryFlow& CliSession::Flow() const {
    return campaign_ ? campaign_->Flow() : *ownFlow_;
}

// A line as the trace prints it, "R ..." or "M ...".
void CliSession::Follow(std::string_view line) {
    if (trace_)
        out_ << line << '\n';
    else if (line.starts_with("R "))
        out_ << "        roll " << line.substr(2) << '\n';
    else
        out_ << line.substr(2) << '\n';
}

ActionResult CliSession::Perform(const Action& action) {
    ActionResult result = campaign_ ? campaign_->Perform(action) : journal_->Perform(action);
    if (!result.Refusal.empty()) Refuse(result.Refusal);
    return result;
}

const char* CliSession::CommandHelp() {
    return R"(Commands, one per line on standard input:
  random        open the target dialog and let the mission chart pick the target
  choose NAME   open the target dialog and fly against the target NAME
  cancel        open the target dialog and press Cancel
  mission N     use mission number N (1-25) from now on; "mission random" draws again
  step          press the step button (its caption names what it does)
  cell R        click to-hit cell R (1-6): mark a fighter for the cover, or aim the selected gun
  gun G         click gun counter G (2-10): select a gun to aim
  ok            end the mission and go back to the entry screen
  wave          show the wave panel
  guns          show the guns and their ammunition
  crew          show the crew and their wounds
  state         print the mission state as one line of JSON
  screen        print what the windows show as one line of JSON
  journal       print the whole record of the mission being flown, or of the last one
  export FILE   write the report of that mission to FILE (.md, .txt or .html)
  quit          end the program
Blank lines and lines starting with # are ignored.)";
}

bool CliSession::Execute(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == '#') return true;
    const auto space = line.find_first_of(" \t");
    const std::string_view command = line.substr(0, space);
    const std::string_view argument = space == std::string_view::npos ? "" : Trim(line.substr(space));
    return Run(command, argument);
}

void CliSession::Refuse(std::string_view reason) {
    out_ << "E " << reason << '\n';
}

bool CliSession::NeedsMission(std::string_view command) {
    if (flow().Current() == Screen::Mission) return true;
    Refuse(std::string(command) + ": no mission screen is loaded");
    return false;
}

bool CliSession::NeedsEntry(std::string_view command) {
    if (flow().Current() == Screen::Entry) return true;
    Refuse(std::string(command) + ": only on the entry screen");
    return false;
}

bool CliSession::Run(std::string_view command, std::string_view argument) {
    if (campaign_ && RunCampaignCommand(command, argument)) return true;
    // Commands that take an argument.
    if (command == "mission") {
        if (argument == "random") {
            flow().FixMissionNumber(std::nullopt);
        } else if (const auto number = NumberIn(argument, 1, 25)) {
            flow().FixMissionNumber(number);
        } else {
            Refuse("mission: a number 1-25 or \"random\"");
        }
        return true;
    }
    if (command == "export") {
        if (argument.empty())
            Refuse("export: a file ending in .md, .txt or .html");
        else
            Export(argument);
        return true;
    }
    if (command == "choose") {
        if (NeedsEntry(command)) SelectTarget({ActionKind::Choose, 0, std::string(argument)});
        return true;
    }
    if (command == "cell" || command == "gun") {
        if (!NeedsMission(command)) return true;
        const bool cell = command == "cell";
        const auto number = cell ? NumberIn(argument, 1, WaveRows) : NumberIn(argument, FirstGun, LastGun);
        if (!number) {
            Refuse(cell ? "cell: a row 1-6" : "gun: a gun 2-10");
            return true;
        }
        const ActionResult result = Perform({cell ? ActionKind::Cell : ActionKind::Gun, *number, {}});
        if (!trace_ && result.Refusal.empty()) ShowWave();
        return true;
    }

    // Commands without an argument.
    static constexpr std::string_view Bare[] = {"random", "cancel", "step", "ok",   "state",  "screen",
                                                "wave",   "guns",   "crew", "quit", "journal"};
    if (std::find(std::begin(Bare), std::end(Bare), command) == std::end(Bare)) {
        Refuse("unknown command: " + std::string(command));
        return true;
    }
    if (!argument.empty()) {
        Refuse(std::string(command) + ": takes no argument");
        return true;
    }

    if (command == "random") {
        if (NeedsEntry(command)) SelectTarget({ActionKind::Random, 0, {}});
    } else if (command == "cancel") {
        if (NeedsEntry(command) && Perform({ActionKind::Cancel, 0, {}}).Accepted) MissionLoaded();
    } else if (command == "step") {
        if (NeedsMission(command) && Perform({ActionKind::Step, 0, {}}).Accepted && !trace_ &&
            flow().Current() == Screen::Mission && flow().Mission().fraWaves().Visible)
            ShowWave();
    } else if (command == "ok") {
        if (NeedsMission(command) && Perform({ActionKind::Ok, 0, {}}).Accepted && !trace_)
            out_ << (campaign_ ? "\nBack at the campaign.\n" : "\nBack at the entry screen.\n");
    } else if (command == "state") {
        out_ << "S " << OneLine(StateJson(game_)) << '\n';
    } else if (command == "screen") {
        out_ << "V " << OneLine(ScreenJson(flow(), game_)) << '\n';
    } else if (command == "wave") {
        if (NeedsMission(command) && !trace_) ShowWave(true);
    } else if (command == "guns") {
        if (NeedsMission(command) && !trace_) ShowGuns();
    } else if (command == "crew") {
        if (NeedsMission(command) && !trace_) ShowCrew();
    } else if (command == "journal") {
        ShowJournal();
    } else if (command == "quit") {
        return false;
    }
    return true;
}

std::optional<JournalMission> CliSession::CurrentMission() const {
    if (!campaign_) {
        if (journal_->Missions().empty()) return std::nullopt;
        return journal_->Missions().back();
    }
    std::vector<JournalMission> tour = TourJournal(campaign_->Store(), game_.Database, campaign_->State());
    if (tour.empty()) return std::nullopt;
    return std::move(tour.back());
}

void CliSession::ShowJournal() {
    const std::optional<JournalMission> mission = CurrentMission();
    if (!mission) return Refuse("journal: no mission has been flown");
    if (!trace_) out_ << "\nJournal of mission " << mission->Number << ": " << mission->Target << "\n";
    for (const std::string& line : RecordLines(*mission))
        Follow(line);
}

void CliSession::Export(std::string_view file) {
    const std::optional<ReportFormat> format = ReportFormatOf(file);
    if (!format) return Refuse("export: a file ending in .md, .txt or .html");
    const std::optional<JournalMission> mission = CurrentMission();
    if (!mission) return Refuse("export: no mission has been flown");
    const std::string title = campaign_ ? campaign_->State().Name : "After-action report";
    try {
        WriteReport(file, AfterActionReport(game_.Database, {&*mission}, title, *format));
    } catch (const ReportError& e) {
        return Refuse(std::string("export: ") + e.what());
    }
    if (!trace_) out_ << "Report written to " << file << '\n';
}

bool CliSession::RunCampaignCommand(std::string_view command, std::string_view argument) {
    if (command == "mission") {
        Refuse("mission: a campaign flies its missions in order");
    } else if (command == "roster") {
        if (argument.empty())
            ShowRoster();
        else
            Refuse("roster: takes no argument");
    } else if (command == "rename") {
        const auto space = argument.find_first_of(" \t");
        const auto position = NumberIn(argument.substr(0, space), 1, CrewCount);
        const std::string_view name = space == std::string_view::npos ? "" : Trim(argument.substr(space));
        if (!position) {
            Refuse("rename: a position 1-10 and a name");
        } else {
            try {
                campaign_->Rename(*position, std::string(name));
            } catch (const CampaignNameError& e) {
                Refuse(std::string("rename: ") + e.what());
            }
        }
    } else {
        return false;
    }
    return true;
}

void CliSession::ShowRoster() {
    const Campaign& campaign = campaign_->State();
    out_ << "Campaign " << campaign.Name << ": " << Standing(campaign) << '\n';
    for (const CrewMember& member : campaign.Crew)
        out_ << RosterLine(member);
    if (!campaign.Former.empty()) out_ << "  former:\n";
    for (const CrewMember& member : campaign.Former)
        out_ << RosterLine(member);
}

void CliSession::SelectTarget(const Action& action) {
    const ActionResult result = Perform(action);
    if (!result.Accepted) {
        // The dialog kept itself open; at a terminal there is no dialog to stay in.
        if (campaign_)
            campaign_->CancelTargetDialog();
        else
            flow().DismissTargetDialog();
        return;
    }
    MissionLoaded();
}

void CliSession::MissionLoaded() {
    if (trace_) return;
    const MissionScreen& screen = flow().Mission();
    out_ << "\nMission " << screen.lblMissionNo.Caption << ": " << screen.lblTarget.Caption << " ("
         << screen.lblTargetType.Caption << "), squadron " << screen.lblSquadronPos.Caption << ", formation "
         << screen.lblFormationPos.Caption << "\n";
}

void CliSession::ShowWave(bool always) {
    std::ostringstream panel;
    const MissionScreen& screen = flow().Mission();
    const WavePanel& waves = screen.fraWaves();
    if (!waves.Visible) {
        panel << "  (no wave)\n";
        Print(panel.str(), always);
        return;
    }
    panel << "  -- wave --\n";
    for (int i = 1; i <= WaveRows; ++i) {
        const WaveRow& row = waves.Row[i];
        const Caption type = ShownType(game_, i);
        if (type.empty()) continue;
        panel << "  " << i << "  " << std::setw(2) << screen.lblToHit[i].Caption << "  " << std::left
              << std::setw(6) << type << std::setw(22) << ShownPosition(game_, i) << std::right
              << CellMark(row.ToHit.BackColour) << '\n';
    }
    if (!waves.lblMiscWave.Caption.empty()) panel << "  " << waves.lblMiscWave.Caption << '\n';
    if (screen.nPhase == phase::AssignGuns) {
        // Gun numbers only, so the line fits a terminal; "guns" names them.
        panel << "  guns with a shot:";
        for (int gun = FirstGun; gun <= LastGun; ++gun) {
            const Label& counter = screen.lblGun[gun];
            if (counter.BackColour == Colour::Normal && counter.Tag.empty()) continue;
            panel << ' ' << (counter.BackColour == Colour::Yellow ? "*" : "") << gun;
            if (!counter.Tag.empty()) panel << "->" << counter.Tag;
        }
        panel << "   (* selected; gun G->fighter/to-hit)\n";
    }
    Print(panel.str(), always);
}

void CliSession::Print(const std::string& panel, bool always) {
    // Stepping through a wave would otherwise repeat the same panel after every line.
    if (always || panel != lastPanel_) out_ << panel;
    lastPanel_ = panel;
}

void CliSession::ShowGuns() {
    const MissionScreen& screen = flow().Mission();
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const Label& counter = screen.lblGun[gun];
        out_ << "  " << std::setw(2) << gun << "  " << std::setw(3) << counter.Caption << "  " << std::left
             << std::setw(12) << screen.lblGunName[gun].Caption << std::right;
        const GunRecord& record = game_.Guns[gun];
        if (record.Ammo == 0)
            out_ << "no ammunition";
        else if (record.Status == "Out")
            out_ << "out of action";
        else if (record.Gunner == 0)
            out_ << "unmanned";
        else
            out_ << CellMark(counter.BackColour);
        out_ << '\n';
    }
}

void CliSession::ShowCrew() {
    const MissionScreen& screen = flow().Mission();
    for (int member = 1; member <= CrewCount; ++member) {
        const Label& wound = screen.lblCrewWound[member];
        out_ << "  " << std::setw(2) << member << "  " << std::left << std::setw(16)
             << screen.lblCrewPos[member].Caption << std::right << (wound.Visible ? wound.Caption : "KIA")
             << '\n';
    }
}

void CliSession::ReadCommands(std::istream& in, bool interactive) {
    std::string line;
    if (interactive) Prompt();
    while (std::getline(in, line)) {
        if (!Execute(line)) break;
        out_.flush();
        if (interactive) Prompt();
    }
}

void CliSession::Prompt() {
    if (trace_) return;
    if (flow().Current() == Screen::Mission) {
        const MissionScreen& screen = flow().Mission();
        const CommandButton& step = screen.cmdNextStep;
        std::string_view hint;
        if (!step.Enabled)
            hint = screen.nPhase == phase::LandingAtBase ? " - mission over, ok to leave"
                                                         : " - mark fighters: cell R";
        else if (screen.nPhase == phase::AssignGuns)
            hint = " - aim: gun G, cell R";
        out_ << '[' << step.Caption << hint << "] > " << std::flush;
    } else if (campaign_) {
        const Campaign& campaign = campaign_->State();
        out_ << "[" << campaign.Name << ", " << Standing(campaign) << ": random | choose NAME | roster | rename POS NAME | quit] > " << std::flush;
    } else {
        out_ << "[entry: random | choose NAME | cancel | quit] > " << std::flush;
    }
}

} // namespace halvard
