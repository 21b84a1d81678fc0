#include "CliSession.h"

#include "Game.h"
#include "Views.h"

#include <algorithm>
#include <charconv>
#include <iomanip>
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
    : game_(game), out_(out), trace_(trace), flow_(game) {
    if (trace_) {
        game_.Rolls.SetListener([this](std::string_view line) { out_ << "R " << line << '\n'; });
        game_.Messages.SetListener([this](std::string_view line) { out_ << "M " << line << '\n'; });
    } else {
        game_.Rolls.SetListener([this](std::string_view line) { out_ << "        roll " << line << '\n'; });
        game_.Messages.SetListener([this](std::string_view line) { out_ << line << '\n'; });
    }
}

CliSession::~CliSession() {
    game_.Rolls.SetListener({});
    game_.Messages.SetListener({});
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
    if (flow_.Current() == Screen::Mission) return true;
    Refuse(std::string(command) + ": no mission screen is loaded");
    return false;
}

bool CliSession::NeedsEntry(std::string_view command) {
    if (flow_.Current() == Screen::Entry) return true;
    Refuse(std::string(command) + ": only on the entry screen");
    return false;
}

bool CliSession::Run(std::string_view command, std::string_view argument) {
    // Commands that take an argument.
    if (command == "mission") {
        if (argument == "random") {
            flow_.FixMissionNumber(std::nullopt);
        } else if (const auto number = NumberIn(argument, 1, 25)) {
            flow_.FixMissionNumber(number);
        } else {
            Refuse("mission: a number 1-25 or \"random\"");
        }
        return true;
    }
    if (command == "choose") {
        if (NeedsEntry(command)) SelectTarget(command, argument);
        return true;
    }
    if (command == "cell") {
        if (!NeedsMission(command)) return true;
        const auto row = NumberIn(argument, 1, WaveRows);
        if (!row) {
            Refuse("cell: a row 1-6");
        } else if (!flow_.Mission().fraWaves().Visible) {
            Refuse("cell: the wave panel is hidden");
        } else {
            flow_.Mission().lblToHit_Click(*row);
            if (!trace_) ShowWave();
        }
        return true;
    }
    if (command == "gun") {
        if (!NeedsMission(command)) return true;
        if (const auto gun = NumberIn(argument, FirstGun, LastGun)) {
            flow_.Mission().lblGun_Click(*gun);
            if (!trace_) ShowWave();
        } else {
            Refuse("gun: a gun 2-10");
        }
        return true;
    }

    // Commands without an argument.
    static constexpr std::string_view Bare[] = {"random", "cancel", "step", "ok",   "state",
                                                "screen", "wave",   "guns", "crew", "quit"};
    if (std::find(std::begin(Bare), std::end(Bare), command) == std::end(Bare)) {
        Refuse("unknown command: " + std::string(command));
        return true;
    }
    if (!argument.empty()) {
        Refuse(std::string(command) + ": takes no argument");
        return true;
    }

    if (command == "random") {
        if (NeedsEntry(command)) SelectTarget(command, {});
    } else if (command == "cancel") {
        if (NeedsEntry(command)) {
            flow_.imgChoice_Click(0);
            flow_.TargetDialog().cmdCancel_Click();
            if (flow_.Current() == Screen::Mission) MissionLoaded();
        }
    } else if (command == "step") {
        if (NeedsMission(command)) {
            MissionScreen& screen = flow_.Mission();
            if (!screen.cmdNextStep.Enabled) {
                Refuse("step: the step button is disabled");
            } else {
                screen.cmdNextStep_Click();
                if (!trace_ && screen.fraWaves().Visible) ShowWave();
            }
        }
    } else if (command == "ok") {
        if (NeedsMission(command)) {
            flow_.Mission().cmdOK_Click();
            if (!trace_) out_ << "\nBack at the entry screen.\n";
        }
    } else if (command == "state") {
        out_ << "S " << OneLine(StateJson(game_)) << '\n';
    } else if (command == "screen") {
        out_ << "V " << OneLine(ScreenJson(flow_, game_)) << '\n';
    } else if (command == "wave") {
        if (NeedsMission(command) && !trace_) ShowWave(true);
    } else if (command == "guns") {
        if (NeedsMission(command) && !trace_) ShowGuns();
    } else if (command == "crew") {
        if (NeedsMission(command) && !trace_) ShowCrew();
    } else if (command == "quit") {
        return false;
    }
    return true;
}

void CliSession::SelectTarget(std::string_view command, std::string_view name) {
    flow_.imgChoice_Click(0);
    TargetSelection& dialog = flow_.TargetDialog();
    if (command == "choose") {
        dialog.optTargetChoice_Click(1);
        dialog.cboTargetList.Text = name;
    }
    dialog.cmdOK_Click();
    if (flow_.Current() == Screen::TargetDialog) {
        // The dialog kept itself open; at a terminal there is no dialog to stay in.
        Refuse(std::string(command) + ": " +
               (dialog.Refusal.empty() ? "a target name is needed" : dialog.Refusal));
        flow_.DismissTargetDialog();
        return;
    }
    MissionLoaded();
}

void CliSession::MissionLoaded() {
    if (trace_) return;
    const MissionScreen& screen = flow_.Mission();
    out_ << "\nMission " << screen.lblMissionNo.Caption << ": " << screen.lblTarget.Caption << " ("
         << screen.lblTargetType.Caption << "), squadron " << screen.lblSquadronPos.Caption << ", formation "
         << screen.lblFormationPos.Caption << "\n";
}

void CliSession::ShowWave(bool always) {
    std::ostringstream panel;
    const MissionScreen& screen = flow_.Mission();
    const WavePanel& waves = screen.fraWaves();
    if (!waves.Visible) {
        panel << "  (no wave)\n";
        Print(panel.str(), always);
        return;
    }
    panel << "  -- wave --\n";
    for (int i = 1; i <= WaveRows; ++i) {
        const WaveRow& row = waves.Row[i];
        if (row.lblType.Caption.empty()) continue;
        panel << "  " << i << "  " << std::setw(2) << row.lblToHit.Caption << "  " << std::left
              << std::setw(6) << row.lblType.Caption << std::setw(22) << row.lblPosition.Caption << std::right
              << CellMark(row.lblToHit.BackColour) << '\n';
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
    const MissionScreen& screen = flow_.Mission();
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
    const MissionScreen& screen = flow_.Mission();
    for (int member = 1; member <= CrewCount; ++member) {
        const Label& wound = screen.lblCrewWound[member];
        out_ << "  " << std::setw(2) << member << "  " << std::left << std::setw(16)
             << screen.lblCrewPos[member].Caption << std::right << (wound.Visible ? wound.Caption : "KIA")
             << '\n';
    }
}

void CliSession::Prompt() {
    if (trace_) return;
    if (flow_.Current() == Screen::Mission) {
        const MissionScreen& screen = flow_.Mission();
        const CommandButton& step = screen.cmdNextStep;
        std::string_view hint;
        if (!step.Enabled)
            hint = screen.nPhase == phase::LandingAtBase ? " - mission over, ok to leave"
                                                         : " - mark fighters: cell R";
        else if (screen.nPhase == phase::AssignGuns)
            hint = " - aim: gun G, cell R";
        out_ << '[' << step.Caption << hint << "] > " << std::flush;
    } else {
        out_ << "[entry: random | choose NAME | cancel | quit] > " << std::flush;
    }
}

} // namespace halvard
