#pragma once

// Where tours are kept: one SQLite file for all of a player's campaigns, written in WAL mode
// with full synchronous commits, so that what a commit returned from survives a crash. Every
// action of a mission in progress is one transaction with the roll and message lines it made.
// A file that is not a store of ours, is damaged or comes from a newer version is named with
// its problem and left exactly as it is.

#include "Tour.h"

#include <SQLiteCpp/Database.h>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace halvard {

// A store that cannot be used: the file and the problem, "FILE: PROBLEM".
class StoreError : public std::runtime_error {
  public:
    StoreError(const std::filesystem::path& file, const std::string& problem)
        : std::runtime_error(file.string() + ": " + problem) {}
};

// A campaign that another program has open.
class CampaignBusy : public std::runtime_error {
  public:
    explicit CampaignBusy(const std::string& name)
        : std::runtime_error("campaign \"" + name + "\" is open in another program") {}
};

// A name that the store has already, or lacks.
class CampaignNameError : public std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

// One action as the store keeps it: its text ("step", "cell 3"), the step button's caption when
// it was pressed, and the lines it made, "R ..." for the roll window and "M ..." for the
// message list, in the order they came.
struct RecordedAction {
    std::string Text;
    std::string Caption;
    std::vector<std::string> Lines;

    friend bool operator==(const RecordedAction&, const RecordedAction&) = default;
};

struct MissionInProgress {
    int Number = 0;
    std::string Target;
    std::string Started;
    std::vector<RecordedAction> Actions; // the dialog's OK first
};

class CampaignStore {
  public:
    // The store file itself: version 1 had no step captions with the actions.
    static constexpr int SchemaVersion = 2;

    // $XDG_DATA_HOME/halvard/campaigns.db, or ~/.local/share/halvard/campaigns.db.
    static std::filesystem::path DefaultPath();

    // Opens the store, or makes it (and its directory) when there is no file. Throws
    // StoreError for a file that cannot be used.
    explicit CampaignStore(std::filesystem::path file);

    const std::filesystem::path& Path() const { return file_; }

    // The campaigns, in the order they were made.
    std::vector<Campaign> LoadAll();
    std::optional<Campaign> Load(std::string_view name);
    // Stores a new campaign and gives it and its crew their ids; a name in use throws
    // CampaignNameError.
    void Create(Campaign& campaign);
    void Rename(const CrewMember& member, const std::string& name);

    std::optional<MissionInProgress> LoadInProgress(const Campaign& campaign);
    // The whole record of mission number, flown or in progress: empty for one not begun.
    std::vector<RecordedAction> LoadRecord(const Campaign& campaign, int number);
    // The dialog's OK that started mission number.
    void BeginMission(const Campaign& campaign, int number, const std::string& target,
                      const std::string& started, const RecordedAction& first);
    // Action seq (the dialog's OK being 0) of the mission in progress.
    void Record(const Campaign& campaign, int number, int seq, const RecordedAction& action);
    // The mission screen's OK, with the tour as the mission left it (its last record is the
    // mission's), in one transaction. New crew members get their ids.
    void Conclude(Campaign& campaign, int seq, const RecordedAction& ok);

  private:
    template <class Work> auto Guarded(Work&& work);
    void Migrate(int from);
    std::vector<RecordedAction> ReadRecord(const Campaign& campaign, int number);
    void SaveCrew(Campaign& campaign);

    std::filesystem::path file_;
    std::optional<SQLite::Database> db_;
};

// While held, no other program (nor another holder in this one) plays the campaign. The lock
// goes with the process, however it ends.
class CampaignLock {
  public:
    // Throws CampaignBusy when the campaign is held elsewhere, StoreError when the lock file
    // beside the store cannot be made.
    CampaignLock(const CampaignStore& store, const Campaign& campaign);
    ~CampaignLock();
    CampaignLock(const CampaignLock&) = delete;
    CampaignLock& operator=(const CampaignLock&) = delete;

  private:
    int descriptor_ = -1;
};

} // namespace halvard
