#include "SimulationReport.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>

namespace halvard {
namespace {

// Column heads of the outcome table, by Outcome; the legend under the table spells them out.
constexpr std::array<std::string_view, OutcomeCount> OutcomeHeads = {
    "safe", "repair", "irrep", "wreck", "KIA+wr", "explode", "detonate", "fuel-ex", "bailout", "crew-KIA",
};

constexpr int NameWidth = 15;
const char* const AllTargets = "All targets";

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Percent(double share) {
    return Fixed(share * 100.0, 1) + "%";
}

// One row of a table: the name left-aligned, each cell right-aligned in its width.
class Row {
  public:
    explicit Row(std::string_view name) {
        text_ = name;
        text_.resize(std::max<std::size_t>(text_.size() + 1, NameWidth), ' ');
    }
    Row& Cell(std::string_view cell, std::size_t width) {
        text_.append(width > cell.size() ? width - cell.size() : 1, ' ').append(cell);
        return *this;
    }
    std::string Line() const { return text_ + "\n"; }

  private:
    std::string text_;
};

// The figures of one row: shares in percent, means per mission.
std::string FiguresRow(std::string_view name, const Tally& tally) {
    return Row(name)
        .Cell(std::to_string(tally.Missions), 9)
        .Cell(std::to_string(tally.BombRuns), 10)
        .Cell(Percent(tally.OnTargetShare()), 10)
        .Cell(Fixed(tally.MeanBombPercentage(), 1), 8)
        .Cell(Fixed(tally.PerMission(tally.CrewWounded), 2), 9)
        .Cell(Fixed(tally.PerMission(tally.CrewKilled), 2), 8)
        .Cell(Fixed(tally.PerMission(tally.EnginesLost), 2), 9)
        .Cell(Fixed(tally.PerMission(tally.GunsOut), 2), 7)
        .Cell(Percent(tally.LostShare()), 8)
        .Line();
}

std::string OutcomesRow(std::string_view name, const Tally& tally) {
    Row row(name);
    row.Cell(std::to_string(tally.Missions), 9);
    for (std::uint64_t count : tally.Outcomes)
        row.Cell(std::to_string(count), 9);
    return row.Line();
}

nlohmann::json FiguresJson(const Tally& tally) {
    nlohmann::json outcomes = nlohmann::json::object();
    for (std::size_t i = 0; i < OutcomeCount; ++i)
        outcomes[std::string(OutcomeNames[i].Key)] = tally.Outcomes[i];
    return {
        {"missions", tally.Missions},
        {"outcomes", outcomes},
        {"bomb_runs", tally.BombRuns},
        {"on_target", tally.OnTarget},
        {"on_target_share", tally.OnTargetShare()},
        {"mean_bomb_percentage", tally.MeanBombPercentage()},
        {"crew_wounded", tally.CrewWounded},
        {"crew_wounded_per_mission", tally.PerMission(tally.CrewWounded)},
        {"crew_killed", tally.CrewKilled},
        {"crew_killed_per_mission", tally.PerMission(tally.CrewKilled)},
        {"engines_lost", tally.EnginesLost},
        {"engines_lost_per_mission", tally.PerMission(tally.EnginesLost)},
        {"guns_out", tally.GunsOut},
        {"guns_out_per_mission", tally.PerMission(tally.GunsOut)},
        {"bombers_lost", tally.BombersLost},
        {"bomber_lost_share", tally.LostShare()},
    };
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvLine(std::uint64_t seed, std::string_view scope, std::string_view target, const Tally& tally) {
    std::ostringstream line;
    line << seed << ',' << scope << ',' << CsvField(target) << ',' << tally.Missions << ',' << tally.BombRuns
         << ',' << tally.OnTarget << ',' << Fixed(tally.OnTargetShare(), 6) << ','
         << Fixed(tally.MeanBombPercentage(), 6) << ',' << Fixed(tally.PerMission(tally.CrewWounded), 6)
         << ',' << Fixed(tally.PerMission(tally.CrewKilled), 6) << ','
         << Fixed(tally.PerMission(tally.EnginesLost), 6) << ',' << Fixed(tally.PerMission(tally.GunsOut), 6)
         << ',' << tally.BombersLost << ',' << Fixed(tally.LostShare(), 6);
    for (std::uint64_t count : tally.Outcomes)
        line << ',' << count;
    line << '\n';
    return line.str();
}

} // namespace

std::string ReportText(const SimulationResult& result) {
    std::string text = "Halvard simulation: " + std::to_string(result.Overall.Missions) + " missions, seed " +
                       std::to_string(result.Seed) + ", ";
    text += result.Target ? "every mission against " + *result.Target : "targets drawn by the mission chart";
    text += "\n\n";

    text += Row("Per mission")
                .Cell("missions", 9)
                .Cell("bomb runs", 10)
                .Cell("on target", 10)
                .Cell("bomb %", 8)
                .Cell("wounded", 9)
                .Cell("killed", 8)
                .Cell("engines", 9)
                .Cell("guns", 7)
                .Cell("lost", 8)
                .Line();
    text += FiguresRow(AllTargets, result.Overall);
    for (const TargetTally& target : result.Targets)
        text += FiguresRow(target.Name, target.Figures);
    text += "  on target: share of the bomb runs made; bomb %: mean bomb percentage of those runs;\n"
            "  wounded (alive at the end), killed, engines out, guns knocked out: per mission;\n"
            "  lost: share of the missions in which the bomber was lost\n\n";

    Row heads("Outcomes");
    heads.Cell("missions", 9);
    for (std::string_view head : OutcomeHeads)
        heads.Cell(head, 9);
    text += heads.Line();
    text += OutcomesRow(AllTargets, result.Overall);
    for (const TargetTally& target : result.Targets)
        text += OutcomesRow(target.Name, target.Figures);
    for (std::size_t i = 0; i < OutcomeCount; ++i) {
        std::string head(OutcomeHeads[i]);
        head.resize(10, ' ');
        text += "  " + head + std::string(OutcomeNames[i].Label) +
                (BomberLost(Outcome(i)) ? "  (lost)" : "") + "\n";
    }
    return text;
}

nlohmann::json ReportJson(const SimulationResult& result) {
    nlohmann::json targets = nlohmann::json::array();
    for (const TargetTally& target : result.Targets) {
        nlohmann::json row = FiguresJson(target.Figures);
        row["name"] = target.Name;
        targets.push_back(std::move(row));
    }
    return {
        {"seed", result.Seed},
        {"target", result.Target ? nlohmann::json(*result.Target) : nlohmann::json(nullptr)},
        {"overall", FiguresJson(result.Overall)},
        {"targets", targets},
    };
}

std::string ReportCsv(const SimulationResult& result) {
    std::string csv = "seed,scope,target,missions,bomb_runs,on_target,on_target_share,mean_bomb_percentage,"
                      "crew_wounded_per_mission,crew_killed_per_mission,engines_lost_per_mission,"
                      "guns_out_per_mission,bombers_lost,bomber_lost_share";
    for (const OutcomeName& outcome : OutcomeNames)
        csv += "," + std::string(outcome.Key);
    csv += '\n';
    csv += CsvLine(result.Seed, "all", "", result.Overall);
    for (const TargetTally& target : result.Targets)
        csv += CsvLine(result.Seed, "target", target.Name, target.Figures);
    return csv;
}

} // namespace halvard
