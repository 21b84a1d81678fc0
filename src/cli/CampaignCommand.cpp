#include "CampaignCommand.h"

#include "CampaignSession.h"
#include "CliSession.h"
#include "ExitStatus.h"
#include "Journal.h"
#include "Report.h"
#include "MissionSetup.h"
#include "Views.h"

#include <chrono>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace halvard {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

int Fail(int status, const std::string& message) {
    std::cerr << "halvard-cli: " << message << '\n';
    return status;
}

json MemberJson(const CrewMember& member) {
    return {{"position", member.Position},
            {"name", member.Name},
            {"missions", member.Missions},
            {"kills", member.Kills},
            {"status", StatusName(member.Status)}};
}

json CampaignJson(const Campaign& campaign, const std::optional<MissionInProgress>& inProgress) {
    json roster = json::array();
    for (const CrewMember& member : campaign.Crew)
        roster.push_back(MemberJson(member));
    json former = json::array();
    for (const CrewMember& member : campaign.Former)
        former.push_back(MemberJson(member));
    json missions = json::array();
    for (const MissionLog& log : campaign.Missions)
        missions.push_back({{"number", log.Number},
                            {"target", log.Target},
                            {"ended", log.Complete ? "complete" : "abandoned"},
                            {"outcome", log.Outcome},
                            {"onTarget", log.OnTarget},
                            {"bombPct", log.BombPct},
                            {"wounds", log.Wounds},
                            {"startedAt", log.Started},
                            {"endedAt", log.Ended}});
    json progress = nullptr;
    if (inProgress)
        progress = {{"number", inProgress->Number},
                    {"target", inProgress->Target},
                    {"actions", inProgress->Actions.size()},
                    {"startedAt", inProgress->Started}};
    return {{"name", campaign.Name},
            {"seed", campaign.Seed},
            {"nextMission", campaign.NextMission},
            {"finished", campaign.Finished()},
            {"roster", std::move(roster)},
            {"former", std::move(former)},
            {"missions", std::move(missions)},
            {"inProgress", std::move(progress)}};
}

// Ten names, one a line; blank lines are skipped.
std::optional<std::array<std::string, CrewCount>> ReadCrewFile(const fs::path& file, std::string& problem) {
    std::ifstream in(file);
    if (!in) {
        problem = file.string() + ": cannot be read";
        return std::nullopt;
    }
    std::array<std::string, CrewCount> names;
    std::size_t count = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
        if (const auto bad = NameProblem(line)) {
            problem = file.string() + ": \"" + line + "\": " + *bad;
            return std::nullopt;
        }
        if (count == CrewCount) {
            problem = file.string() + ": more than ten names";
            return std::nullopt;
        }
        names[count++] = line;
    }
    if (count != CrewCount) {
        problem = file.string() + ": " + std::to_string(count) + " names; a crew needs ten";
        return std::nullopt;
    }
    return names;
}

} // namespace

CampaignCommand::CampaignCommand(CLI::App& program)
    : command_(program.add_subcommand("campaign", "Tours of 25 missions with a named crew, saved as you play")) {
    command_->require_subcommand(1);
    new_ = command_->add_subcommand("new", "Start a campaign");
    list_ = command_->add_subcommand("list", "List the campaigns of the store");
    show_ = command_->add_subcommand("show", "Show a campaign's roster and record");
    play_ = command_->add_subcommand("play", "Play a campaign: commands as a single run takes them, "
                                             "and roster, rename POS NAME");
    export_ = command_->add_subcommand("export", "Write the after-action report of a campaign's tour or of one mission");
    for (CLI::App* sub : {new_, show_, play_, export_})
        sub->add_option("NAME", name_, "The campaign's name")->required();
    export_->add_option("--mission", mission_, "Only this mission of the tour")->check(CLI::Range(1, TourLength));
    export_->add_option("--format", format_, "md, txt or html")->required()->check(CLI::IsMember({"md", "txt", "html"}));
    export_->add_option("-o,--output", output_, "The file to write (default: standard output)");
    new_->add_option("--seed", seed_, "Seed of the campaign's dice (default: the clock)");
    new_->add_option("--crew", crewFile_, "File of ten crew names, one a line (default: drawn from a list)");
    for (CLI::App* sub : {list_, show_})
        sub->add_flag("--json", json_, "As one line of JSON");
    play_->add_flag("--trace", trace_, "Machine-readable output: R, M, S, V and E lines");
    for (CLI::App* sub : {new_, list_, show_, play_, export_}) {
        sub->add_option("--store", store_,
                        "The campaign store (default: $XDG_DATA_HOME/halvard/campaigns.db)");
        sub->add_option("--data", dataDirectory_,
                        "Directory holding Corvane.db (default: beside the program, or ../share/halvard installed)");
    }
    play_->footer(CliSession::CommandHelp());
}

fs::path CampaignCommand::StorePath() const {
    return store_ ? fs::path(*store_) : CampaignStore::DefaultPath();
}

int CampaignCommand::Run(const fs::path& dataDirectory) const {
    try {
        if (new_->parsed()) return New();
        if (list_->parsed()) return List();
        if (show_->parsed()) return Show();
        std::optional<GameDatabase> database;
        try {
            database.emplace(OpenGameDatabase(dataDirectory_ ? fs::path(*dataDirectory_) : dataDirectory));
        } catch (const GameDataError& e) {
            return Fail(exit_status::UnusableDatabase, e.what());
        }
        return export_->parsed() ? Export(*database) : Play(*database);
    } catch (const StoreError& e) {
        return Fail(exit_status::UnusableStore, e.what());
    } catch (const CampaignBusy& e) {
        return Fail(exit_status::CampaignBusy, e.what());
    } catch (const CampaignNameError& e) {
        return Fail(exit_status::BadOptions, e.what());
    } catch (const ReportError& e) {
        return Fail(exit_status::UnwritableReport, e.what());
    }
}

int CampaignCommand::New() const {
    if (const auto problem = NameProblem(name_)) return Fail(exit_status::BadOptions, "campaign new: " + *problem);
    std::optional<std::array<std::string, CrewCount>> names;
    if (crewFile_) {
        std::string problem;
        names = ReadCrewFile(*crewFile_, problem);
        if (!names) return Fail(exit_status::BadOptions, problem);
    }
    const std::uint64_t seed = seed_.value_or(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    CampaignStore store(StorePath());
    Campaign campaign = NewCampaign(name_, seed, names);
    store.Create(campaign);
    std::cout << "Campaign " << campaign.Name << " made, seed " << campaign.Seed << ", in " << store.Path().string()
              << '\n';
    return 0;
}

int CampaignCommand::List() const {
    CampaignStore store(StorePath());
    json list = json::array();
    for (const Campaign& campaign : store.LoadAll()) {
        const std::optional<MissionInProgress> inProgress = store.LoadInProgress(campaign);
        if (json_)
            list.push_back({{"name", campaign.Name},
                            {"nextMission", campaign.NextMission},
                            {"finished", campaign.Finished()},
                            {"inProgress", inProgress.has_value()}});
        else
            std::cout << campaign.Name << "  (" << Standing(campaign, inProgress.has_value()) << ")\n";
    }
    if (json_) std::cout << OneLine(list) << '\n';
    return 0;
}

int CampaignCommand::Show() const {
    CampaignStore store(StorePath());
    const std::optional<Campaign> campaign = store.Load(name_);
    if (!campaign) throw CampaignNameError("no campaign named \"" + name_ + "\"");
    const std::optional<MissionInProgress> inProgress = store.LoadInProgress(*campaign);
    if (json_) {
        std::cout << OneLine(CampaignJson(*campaign, inProgress)) << '\n';
        return 0;
    }
    std::cout << "Campaign " << campaign->Name << " (seed " << campaign->Seed << "): "
              << Standing(*campaign, inProgress.has_value()) << "\n\nCrew:\n";
    for (const CrewMember& member : campaign->Crew)
        std::cout << RosterLine(member);
    if (!campaign->Former.empty()) std::cout << "Former crew:\n";
    for (const CrewMember& member : campaign->Former)
        std::cout << RosterLine(member);
    if (!campaign->Missions.empty()) std::cout << "\nMissions:\n";
    for (const MissionLog& log : campaign->Missions)
        std::cout << "  " << std::setw(2) << log.Number << "  " << std::left << std::setw(20) << log.Target
                  << std::setw(10) << (log.Complete ? "complete" : "abandoned") << std::setw(5)
                  << (log.OnTarget.empty() ? "-" : log.OnTarget) << std::right << std::setw(4) << log.BombPct
                  << "%  " << log.Outcome << '\n';
    if (inProgress)
        std::cout << "\nIn progress: mission " << inProgress->Number << ", " << inProgress->Target << ", "
                  << inProgress->Actions.size() << " actions\n";
    return 0;
}

int CampaignCommand::Export(const GameDatabase& database) const {
    CampaignStore store(StorePath());
    const std::optional<Campaign> campaign = store.Load(name_);
    if (!campaign) throw CampaignNameError("no campaign named \"" + name_ + "\"");
    const std::vector<JournalMission> journal = TourJournal(store, database, *campaign);
    std::vector<const JournalMission*> missions;
    for (const JournalMission& mission : journal)
        if (!mission_ || mission.Number == *mission_) missions.push_back(&mission);
    if (mission_ && missions.empty())
        throw CampaignNameError("campaign \"" + name_ + "\" has no mission " + std::to_string(*mission_) + " yet");
    const std::string report = AfterActionReport(database, missions, campaign->Name, *ReportFormatNamed(format_));
    if (output_)
        WriteReport(*output_, report);
    else
        std::cout << report;
    return 0;
}

int CampaignCommand::Play(const GameDatabase& database) const {
    CampaignStore store(StorePath());
    CampaignSession campaign(store, database, name_);
    if (campaign.ReadOnly())
        std::cerr << "halvard-cli: campaign \"" << name_ << "\": " << *campaign.ReadOnly() << '\n';
    CliSession session(campaign, std::cout, trace_);
    if (!trace_) {
        std::cout << "Campaign " << campaign.State().Name << ": "
                  << (campaign.State().Finished() ? std::string("the tour is over")
                                                  : "mission " + std::to_string(campaign.State().NextMission));
        if (campaign.InProgress()) std::cout << " in progress, " << campaign.ActionsRecorded() << " actions replayed";
        std::cout << '\n';
    }
    session.ReadCommands(std::cin, ::isatty(STDIN_FILENO) != 0);
    return 0;
}

} // namespace halvard
