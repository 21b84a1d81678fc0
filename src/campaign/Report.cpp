#include "Report.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace halvard {
namespace {

namespace fs = std::filesystem;

// A report is written once as blocks, then put into each format by its own writer.
struct Heading {
    int Level; // 1: the report, 2: a mission, 3: its parts, 4: a stretch of its record
    std::string Text;
};
struct Table {
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Rows;
};
struct Paragraph {
    std::string Text;
};
struct Record {
    std::vector<std::string> Lines; // as the journal keeps them, "R ..." and "M ..."
};
using Block = std::variant<Heading, Table, Paragraph, Record>;

// Where the line of the record stands, as a reader reads it: a roll indented under the
// messages, as a terminal shows it.
std::string RecordText(const std::string& line) {
    if (line.starts_with("R ")) return "    roll " + line.substr(2);
    return line.size() > 2 ? line.substr(2) : std::string();
}

// The text after a message's prefix, from the first line that has it.
std::string MessageAfter(const std::vector<std::string>& lines, std::string_view prefix) {
    for (const std::string& line : lines)
        if (line.starts_with("M ") && std::string_view(line).substr(2).starts_with(prefix))
            return line.substr(2 + prefix.size());
    return {};
}

std::string Trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string Or(std::string text, std::string_view otherwise) {
    return text.empty() ? std::string(otherwise) : text;
}

constexpr std::string_view WoundWords[] = {"none", "light", "light, twice", "serious", "killed"};

// Where each item of damage is, and how it reads; counters read with their count.
struct DamageItem {
    std::string_view Compartment;
    std::string_view Field;
    std::string_view Words;
};
constexpr DamageItem DamageItems[] = {
    {"Nose", "NordenSightOut", "Norden sight out"},
    {"Nose", "NavEquipmentOut", "navigation equipment out"},
    {"Nose", "BombControlsOut", "bomb controls out"},
    {"Pilot compartment", "WindowHits", "window hits"},
    {"Pilot compartment", "ControlCableHits", "control cable hits"},
    {"Bomb bay", "BombReleaseOut", "bomb release out"},
    {"Bomb bay", "BombBayDoorsOut", "bomb bay doors out"},
    {"Bomb bay", "BombsAboard", "bombs still aboard"},
    {"Radio room", "RadioOut", "radio out"},
    {"Radio room", "IntercomOut", "intercom out"},
    {"Radio room", "RaftsDamaged", "rafts damaged"},
    {"Waist", "BallTurretMechanismOut", "ball turret mechanism out"},
    {"Tail", "TailwheelDamaged", "tailwheel damaged"},
    {"Tail", "AutopilotOut", "autopilot out"},
    {"Tail", "RudderHits", "rudder hits"},
    {"Tail", "PortElevatorOut", "port elevator out"},
    {"Tail", "StarboardElevatorOut", "starboard elevator out"},
    {"Tail", "PortTailplaneRootHits", "port tailplane root hits"},
    {"Tail", "StarboardTailplaneRootHits", "starboard tailplane root hits"},
    {"Wings", "PortWingRootHits", "port wing root hits"},
    {"Wings", "StarboardWingRootHits", "starboard wing root hits"},
    {"Wings", "PortFlapOut", "port flap out"},
    {"Wings", "StarboardFlapOut", "starboard flap out"},
    {"Wings", "PortAileronOut", "port aileron out"},
    {"Wings", "StarboardAileronOut", "starboard aileron out"},
    {"Wings", "FuelLeak", "fuel leak"},
    {"Wings", "FuelLeakZones", "zones of fuel leak"},
    {"Wings", "FuelLeakHits", "fuel leak hits"},
    {"Instruments", "BrakeOut", "brakes out"},
    {"Instruments", "LandingGearOut", "landing gear out"},
    {"Instruments", "PropFeatheringOut", "propeller feathering out"},
    {"Instruments", "FireExtinguishersOut", "fire extinguishers out"},
};
constexpr std::string_view Compartments[] = {"Nose", "Pilot compartment", "Bomb bay", "Radio room",
                                             "Waist", "Tail", "Wings", "Instruments"};

// The compartment each gun fires from, by gun number.
std::string_view GunCompartment(int gun) {
    if (gun <= 4) return "Nose";
    if (gun == 5) return "Radio room";
    if (gun <= 7 || gun == 9) return "Waist";
    if (gun == 8) return "Pilot compartment";
    return "Tail";
}

// Each compartment's damage, in words.
std::vector<std::vector<std::string>> DamageRows(const Game& game, const MissionScreen& screen) {
    std::vector<std::pair<std::string_view, std::string>> items;
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        const std::string name = screen.lblGunName[gun].Caption.Text();
        if (game.Guns[gun].Status == "Out") items.emplace_back(GunCompartment(gun), name + " out of action");
        if (game.Guns[gun].Ammo == 0) items.emplace_back(GunCompartment(gun), name + " out of ammunition");
    }
    const std::string* engines[] = {&game.Damage.Engine1Status, &game.Damage.Engine2Status,
                                    &game.Damage.Engine3Status, &game.Damage.Engine4Status};
    const int leaks[] = {game.Damage.Engine1LeakZones, game.Damage.Engine2LeakZones, game.Damage.Engine3LeakZones,
                         game.Damage.Engine4LeakZones};
    for (int engine = 0; engine < 4; ++engine) {
        const std::string number = std::to_string(engine + 1);
        if (!engines[engine]->empty()) items.emplace_back("Wings", "engine " + number + " " + *engines[engine]);
        if (leaks[engine] > 0)
            items.emplace_back("Wings", "engine " + number + " leaking, " + std::to_string(leaks[engine]) + " zones");
    }
    VisitDamageFields(game.Damage, [&](std::string_view field, const auto& value) {
        const auto item = std::find_if(std::begin(DamageItems), std::end(DamageItems),
                                       [&](const DamageItem& i) { return i.Field == field; });
        if (item == std::end(DamageItems)) return;
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>) {
            if (value) items.emplace_back(item->Compartment, std::string(item->Words));
        } else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, int>) {
            if (value > 0) items.emplace_back(item->Compartment, std::string(item->Words) + ": " + std::to_string(value));
        }
    });
    std::vector<std::vector<std::string>> rows;
    for (std::string_view compartment : Compartments) {
        std::string words;
        for (const auto& [where, what] : items)
            if (where == compartment) words += (words.empty() ? "" : "; ") + what;
        if (!words.empty()) rows.push_back({std::string(compartment), words});
    }
    return rows;
}

std::string MissionHeading(const JournalMission& mission) {
    std::string heading = "Mission " + std::to_string(mission.Number) + ": " + Or(mission.Target, "no target");
    if (!mission.TargetType.empty()) heading += " (" + mission.TargetType + ")";
    return heading;
}

void AddMission(std::vector<Block>& blocks, const GameDatabase& database, const JournalMission& mission) {
    blocks.push_back(Heading{2, MissionHeading(mission)});
    const std::vector<std::string> lines = RecordLines(mission);

    std::optional<MissionReplay> replay;
    if (mission.Start) {
        replay.emplace(database, mission);
        replay->GoTo(replay->Last());
    }
    const bool screen = replay && replay->Flow().Current() == Screen::Mission;
    std::string bombs = "no bomb run";
    if (!mission.OnTarget.empty())
        bombs = mission.OnTarget + " target, " + std::to_string(mission.BombPct) + "% of the bombs";
    std::string ending = mission.Ending;
    if (ending.empty()) ending = mission.Concluded ? "abandoned before the landing" : "in flight";

    Table summary{{"", ""}, {}};
    summary.Rows.push_back({"Mission", std::to_string(mission.Number)});
    summary.Rows.push_back({"Target", Or(mission.Target, "-") + (mission.TargetType.empty() ? "" : " (" + mission.TargetType + ")")});
    if (screen) {
        const MissionScreen& view = replay->Flow().Mission();
        summary.Rows.push_back({"Squadron", view.lblSquadronPos.Caption.Text()});
        summary.Rows.push_back({"Formation", view.lblFormationPos.Caption.Text()});
    }
    summary.Rows.push_back({"Weather over the target", Or(MessageAfter(lines, "Weather over Target: "), "-")});
    summary.Rows.push_back({"Flak over the target", Or(MessageAfter(lines, "Flak Over Target: "), "-")});
    summary.Rows.push_back({"Bomb run", bombs});
    summary.Rows.push_back({"Weather over the base", Or(MessageAfter(lines, "Weather over Base: "), "-")});
    summary.Rows.push_back({"Landing", ending});
    blocks.push_back(Heading{3, "Summary"});
    blocks.push_back(std::move(summary));
    if (!mission.NoReplay.empty()) blocks.push_back(Paragraph{"Not replayed: " + mission.NoReplay + "."});

    if (screen) {
        const Game& game = replay->CurrentGame();
        const MissionScreen& view = replay->Flow().Mission();
        Table route{{"Zone", "Terrain", "Fighter cover out", "Fighter cover back"}, {}};
        for (int zone = 1; zone <= game.Mission.TargetZone; ++zone) {
            const ZoneRecord& record = game.Mission.Target.Zone[zone];
            const std::string out = Trimmed(record.CoverOut.WithoutNul()), back = Trimmed(record.CoverBack.WithoutNul());
            if (record.Terrain.empty() && out.empty() && back.empty()) continue;
            route.Rows.push_back({std::to_string(zone), Or(record.Terrain, "-"), Or(out, "-"), Or(back, "-")});
        }
        blocks.push_back(Heading{3, "Route"});
        blocks.push_back(std::move(route));

        const bool named = mission.Start->Flow.CrewNames.has_value();
        Table crew{{"Position"}, {}};
        if (named) crew.Header.push_back("Name");
        crew.Header.insert(crew.Header.end(), {"Wound", "Kills"});
        for (int member = 1; member <= CrewCount; ++member) {
            std::vector<std::string> row{std::string(MissionScreen::CrewPositionName(member))};
            if (named) row.push_back(view.lblCrewName[member].Caption.Text());
            const int wound = std::clamp(game.Crew[member].Wound, 0, 4);
            row.push_back(std::string(WoundWords[wound]));
            row.push_back(std::to_string(view.FightersDestroyedBy[member]));
            crew.Rows.push_back(std::move(row));
        }
        blocks.push_back(Heading{3, "Crew"});
        blocks.push_back(std::move(crew));

        blocks.push_back(Heading{3, "Damage at the end"});
        Table damage{{"Compartment", "Damage"}, DamageRows(game, view)};
        if (damage.Rows.empty())
            blocks.push_back(Paragraph{"None."});
        else
            blocks.push_back(std::move(damage));
    }

    blocks.push_back(Heading{3, "Record"});
    const std::vector<Bookmark> marks = Bookmarks(mission);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const std::size_t end = i + 1 < marks.size() ? marks[i + 1].Line : lines.size();
        blocks.push_back(Heading{4, marks[i].Title});
        blocks.push_back(Record{{lines.begin() + static_cast<std::ptrdiff_t>(marks[i].Line),
                                 lines.begin() + static_cast<std::ptrdiff_t>(end)}});
    }
}

bool Headed(const Table& table) {
    return std::any_of(table.Header.begin(), table.Header.end(), [](const auto& cell) { return !cell.empty(); });
}

// Markdown -----------------------------------------------------------------------------------

// Table cells hold names and words of the game: only the characters that would break a table
// or start markup are escaped.
std::string MarkdownCell(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (std::strchr("\\|*_`<>[]#", c) != nullptr) out += '\\';
        out += c;
    }
    return out;
}

std::string Markdown(const std::vector<Block>& blocks) {
    std::string out;
    for (const Block& block : blocks) {
        if (const auto* heading = std::get_if<Heading>(&block)) {
            out += std::string(static_cast<std::size_t>(heading->Level), '#') + ' ' + MarkdownCell(heading->Text) + "\n\n";
        } else if (const auto* table = std::get_if<Table>(&block); table && !Headed(*table)) {
            // A table of names and values reads as a list.
            for (const auto& cells : table->Rows)
                out += "- " + MarkdownCell(cells[0]) + ": " + MarkdownCell(cells[1]) + '\n';
            out += '\n';
        } else if (table) {
            const auto row = [&](const std::vector<std::string>& cells) {
                out += '|';
                for (const std::string& cell : cells)
                    out += ' ' + MarkdownCell(cell) + " |";
                out += '\n';
            };
            row(table->Header);
            out += '|';
            for (std::size_t i = 0; i < table->Header.size(); ++i)
                out += "---|";
            out += '\n';
            for (const auto& cells : table->Rows)
                row(cells);
            out += '\n';
        } else if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            out += MarkdownCell(paragraph->Text) + "\n\n";
        } else if (const auto* record = std::get_if<Record>(&block)) {
            out += "```\n";
            for (const std::string& line : record->Lines)
                out += RecordText(line) + '\n';
            out += "```\n\n";
        }
    }
    return out;
}

// Plain text ---------------------------------------------------------------------------------

std::string Text(const std::vector<Block>& blocks) {
    std::string out;
    for (const Block& block : blocks) {
        if (const auto* heading = std::get_if<Heading>(&block)) {
            if (heading->Level >= 4) {
                out += "-- " + heading->Text + " --\n";
                continue;
            }
            const char underline = heading->Level <= 2 ? '=' : '-';
            out += heading->Text + '\n' + std::string(heading->Text.size(), underline) + "\n\n";
        } else if (const auto* table = std::get_if<Table>(&block)) {
            std::vector<std::size_t> widths(table->Header.size(), 0);
            const bool header = Headed(*table);
            const auto measure = [&](const std::vector<std::string>& cells) {
                for (std::size_t i = 0; i < cells.size(); ++i)
                    widths[i] = std::max(widths[i], cells[i].size());
            };
            if (header) measure(table->Header);
            for (const auto& cells : table->Rows)
                measure(cells);
            const auto row = [&](const std::vector<std::string>& cells) {
                std::string line = " ";
                for (std::size_t i = 0; i < cells.size(); ++i)
                    line += ' ' + cells[i] + (i + 1 < cells.size() ? std::string(widths[i] - cells[i].size() + 2, ' ') : "");
                out += line + '\n';
            };
            if (header) row(table->Header);
            for (const auto& cells : table->Rows)
                row(cells);
            out += '\n';
        } else if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            out += paragraph->Text + "\n\n";
        } else if (const auto* record = std::get_if<Record>(&block)) {
            for (const std::string& line : record->Lines)
                out += RecordText(line) + '\n';
            out += '\n';
        }
    }
    return out;
}

// HTML ---------------------------------------------------------------------------------------

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

// Readable on screen and on paper, with nothing fetched from elsewhere.
constexpr std::string_view Style = R"(body { font-family: "DejaVu Serif", Georgia, serif; max-width: 48em; margin: 2em auto; padding: 0 1em; color: #222; }
h1, h2, h3, h4 { font-family: "DejaVu Sans", Arial, sans-serif; }
h2 { border-bottom: 1px solid #999; margin-top: 2em; }
table { border-collapse: collapse; margin: 0.5em 0 1em; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.6em; text-align: left; vertical-align: top; }
pre { background: #f4f4f0; padding: 0.5em 1em; white-space: pre-wrap; }
.roll { color: #666; }
@media print { h2 { page-break-before: always; } h2:first-of-type { page-break-before: auto; } pre { background: none; } }
)";

std::string Html(const std::vector<Block>& blocks, std::string_view title) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" + Escaped(title) +
                      "</title>\n<style>\n" + std::string(Style) + "</style>\n</head>\n<body>\n";
    for (const Block& block : blocks) {
        if (const auto* heading = std::get_if<Heading>(&block)) {
            const std::string tag = "h" + std::to_string(heading->Level);
            out += '<' + tag + '>' + Escaped(heading->Text) + "</" + tag + ">\n";
        } else if (const auto* table = std::get_if<Table>(&block)) {
            out += "<table>\n";
            if (Headed(*table)) {
                out += "<tr>";
                for (const std::string& cell : table->Header)
                    out += "<th>" + Escaped(cell) + "</th>";
                out += "</tr>\n";
            }
            for (const auto& cells : table->Rows) {
                out += "<tr>";
                for (std::size_t i = 0; i < cells.size(); ++i)
                    out += (i == 0 && !Headed(*table) ? "<th>" : "<td>") + Escaped(cells[i]) +
                           (i == 0 && !Headed(*table) ? "</th>" : "</td>");
                out += "</tr>\n";
            }
            out += "</table>\n";
        } else if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            out += "<p>" + Escaped(paragraph->Text) + "</p>\n";
        } else if (const auto* record = std::get_if<Record>(&block)) {
            out += "<pre>";
            for (const std::string& line : record->Lines) {
                if (line.starts_with("R "))
                    out += "<span class=\"roll\">" + Escaped(RecordText(line)) + "</span>\n";
                else
                    out += Escaped(RecordText(line)) + '\n';
            }
            out += "</pre>\n";
        }
    }
    return out + "</body>\n</html>\n";
}

} // namespace

std::optional<ReportFormat> ReportFormatNamed(std::string_view name) {
    if (name == "md") return ReportFormat::Markdown;
    if (name == "txt") return ReportFormat::Text;
    if (name == "html") return ReportFormat::Html;
    return std::nullopt;
}

std::optional<ReportFormat> ReportFormatOf(const fs::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".md" || extension == ".markdown") return ReportFormat::Markdown;
    if (extension == ".txt") return ReportFormat::Text;
    if (extension == ".html" || extension == ".htm") return ReportFormat::Html;
    return std::nullopt;
}

std::string AfterActionReport(const GameDatabase& database, const std::vector<const JournalMission*>& missions,
                              std::string_view title, ReportFormat format) {
    std::vector<Block> blocks{Heading{1, std::string(title)}};
    for (const JournalMission* mission : missions)
        AddMission(blocks, database, *mission);
    switch (format) {
    case ReportFormat::Markdown: return Markdown(blocks);
    case ReportFormat::Text: return Text(blocks);
    case ReportFormat::Html: return Html(blocks, title);
    }
    return {};
}

void WriteReport(const fs::path& file, const std::string& text) {
    const auto fail = [&](const std::string& problem) { throw ReportError(file.string() + ": " + problem); };
    std::error_code error;
    if (fs::is_directory(file, error)) fail("is a directory");
    fs::path scratch = file;
    scratch += ".partial-XXXXXX";
    std::string name = scratch.string();
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) fail(std::strerror(errno));
    const auto abandon = [&](int code) {
        ::close(descriptor);
        ::unlink(name.c_str());
        fail(std::strerror(code));
    };
    for (std::size_t written = 0; written < text.size();) {
        const ssize_t count = ::write(descriptor, text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        written += static_cast<std::size_t>(count);
    }
    // Readable as any file the player saves, not only by him as a scratch file is.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(descriptor, 0666 & ~mask) != 0 || ::fsync(descriptor) != 0) abandon(errno);
    if (::close(descriptor) != 0) {
        const int code = errno;
        ::unlink(name.c_str());
        fail(std::strerror(code));
    }
    if (::rename(name.c_str(), file.c_str()) != 0) {
        const int code = errno;
        ::unlink(name.c_str());
        fail(std::strerror(code));
    }
}

} // namespace halvard
